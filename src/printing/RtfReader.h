#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Reads Rich Text Format into a QTextDocument: the description files shipped with the program, the
// calculation reports it writes, and files saved by WordPad, Word or LibreOffice.
//
// Understood: groups (every group restores the formatting around it), font and colour tables with
// their character sets (Cyrillic, Western and Greek code pages), \f \fs \b \i \ul \ulnone \strike
// \cf \highlight \plain \super \sub \up \dn \nosupersub, \par \pard \line \tab \page \ql \qc \qr \qj
// \fi \li \ri \sb \sa \tx, \'hh, \uN with \ucN, the usual named characters, and fields (their shown
// result). Pictures, objects, headers and footers, style sheets, information groups, every \*
// destination and anything unknown are skipped. Lengths given in twips become document pixels at
// 96 per inch. Any bytes are accepted: the reader never fails, it shows what it can.
namespace rtf {

// Replaces the document's content by the RTF. Bytes that do not start with "{\rtf" are shown as
// plain text in code page 1251.
void readRtf(const QByteArray& rtf, QTextDocument& document);

// Loads an RTF file into the document. When the file cannot be read, returns false and leaves the
// document as it was.
bool loadRtfFile(const QString& fileName, QTextDocument& document);

// Twips (1/1440 inch) as document pixels.
constexpr double twipsToPixels(int twips)
{
    return twips / 15.0;
}

} // namespace rtf
