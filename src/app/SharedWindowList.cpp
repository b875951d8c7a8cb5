#include "app/SharedWindowList.h"

#include "app/TFormAbout.h"
#include "app/TFormHelp.h"
#include "app/TFormManual.h"
#include "app/TForm_Animate.h"
#include "app/TForm_Foto.h"
#include "app/TForm_Nagrev_Dialog.h"
#include "curtains/ui/CurtainReportForm.h"
#include "curtains/ui/CurtainResultsWindow.h"
#include "fans/ui/FansFoundWindow.h"
#include "fans/ui/SmokeFansFoundWindow.h"
#include "fanviews/ui/FanGraphsWindow.h"
#include "fanviews/ui/FanSheetReportForm.h"
#include "fanviews/ui/FanSheetWindow.h"
#include "fanviews/ui/TForm_Razmer.h"
#include "heating/ui/HeatingUnitReportForm.h"
#include "heating/ui/HeatingUnitResultsWindow.h"
#include "pressurization/ui/TdgPodporYchastok.h"
#include "series/ui/SeriesFanViews.h"
#include "series/ui/TForm_YarlykChange.h"
#include "smoke/ui/TdgSMKCalkYchastok.h"
#include "ui/SharedWindows.h"
#include "ui/report/TQROpenForm.h"
#include "ui/report/TQRep_FORM.h"
#include "ui/report/TQRep_Manual.h"
#include "unit/ui/TFormDialogKolich.h"
#include "unit/ui/TFormPritochVovazu.h"
#include "unit/ui/TFormResultPritoch.h"
#include "unit/ui/TFormSxema.h"
#include "unit/ui/TQRep_Pritoch.h"

#include <QTextDocument>

// A shared window joins the program by one line here, at its place in the full order (the frame comes
// first and is not listed):
// TFormAbout, TFormGrVovazu, TForm_Animate, TForm_ResImage, TResult_Form, TForm_Razmer, TQRep_FORM,
// TQRep_vovazu_FORM, TFormManual, TForm_ResImage_UtilitySMK, TResult_Form_Utility,
// TQRep_vovazu_FORM_Utility, TForm_Foto, TQRep_Manual, TFormHelp, TFormGrVovazuSMK, TForm_ResImageSMK,
// TForm_ResImage_Utility, TQRep_FORMSMK, TQRep_vovazu_FORM_UtilitySMK, TQRep_vovazu_FORMSMK,
// TForm_Nagrev_Dialog, TFormDialogKolich, TFormPritochVovazu, TFormResultPritoch, TQRep_Pritoch,
// TResult_Form_UtilitySMK, TResult_FormSMK, TFormSxema, TForm_YarlykChange, TFormDlgTipZavesa,
// TQROpenForm, TQRep_VozdZavesaORK, TFormVozdZavesaResORK, TQRep_VozdZavesaPLN, TFormVozdZavesaResPLN,
// TdgSMKCalkYchastok, TdgPodporYchastok, TQRep_VozdZavesaTEM, TFormVozdZavesaResTEM,
// TFormVozdAgregatResLUMA, TQRep_VozdAgregatLUMA.
// Each is built on first use: nothing the user sees depends on when, and the frame appears at once.
// A window whose constructor takes (ui::Program&, QWidget*) is handed the program. Where a window
// serves another, the connection goes into the `prepare` step of the one that asks.
namespace {

// A data sheet shows its series photograph in the program's photo window.
void connectPhoto(ui::SharedWindows& windows, FanSheetWindow* sheet)
{
    sheet->setPhotoViewer([&windows](const QString& title, const QString& fileName) {
        auto* photo = windows.get<TForm_Foto>();
        photo->setWindowTitle(title);
        photo->show();
        photo->raise();
        photo->setCentred(true);
        return photo->loadPicture(fileName);
    });
}

} // namespace

void registerSharedWindows(ui::SharedWindows& windows)
{
    windows.add<TFormAbout>();
    windows.add<TFormGrVovazu>([&windows](TFormGrVovazu* found) {
        QObject::connect(found, &TFormGrVovazu::detailsRequested, found,
            [&windows](const fans::SelectedFan& fan) { windows.get<TForm_ResImage>()->showFan(fan); });
    });
    windows.add<TForm_Animate>();
    windows.add<TForm_ResImage>([&windows](TForm_ResImage* sheet) { connectPhoto(windows, sheet); });
    windows.add<TResult_Form>();
    windows.add<TForm_Razmer>();
    windows.add<TQRep_FORM>();
    windows.add<TQRep_vovazu_FORM>();
    windows.add<TFormManual>([&windows](TFormManual* manual) {
        QObject::connect(manual, &TFormManual::printRequested, manual,
            [&windows](const QString& title, QTextDocument* text, const QString& picture) {
                windows.get<TQRep_Manual>()->printDescription(title, *text, picture);
            });
    });
    windows.add<TForm_ResImage_UtilitySMK>();
    windows.add<TResult_Form_Utility>();
    windows.add<TQRep_vovazu_FORM_Utility>();
    windows.add<TForm_Foto>();
    windows.add<TQRep_Manual>();
    windows.add<TFormHelp>();
    windows.add<TFormGrVovazuSMK>([&windows](TFormGrVovazuSMK* found) {
        QObject::connect(found, &TFormGrVovazuSMK::smokeDetailsRequested, found,
            [&windows](const fans::SelectedFan& fan, const fans::SmokeSheetValues& values) {
                windows.get<TForm_ResImageSMK>()->showFan(fan, values);
            });
    });
    windows.add<TForm_ResImageSMK>([&windows](TForm_ResImageSMK* sheet) { connectPhoto(windows, sheet); });
    windows.add<TForm_ResImage_Utility>();
    windows.add<TQRep_FORMSMK>();
    windows.add<TQRep_vovazu_FORM_UtilitySMK>();
    windows.add<TQRep_vovazu_FORMSMK>();
    windows.add<TForm_Nagrev_Dialog>();
    windows.add<TFormDialogKolich>();
    windows.add<TFormPritochVovazu>();
    windows.add<TFormResultPritoch>();
    windows.add<TQRep_Pritoch>();
    windows.add<TResult_Form_UtilitySMK>();
    windows.add<TResult_FormSMK>();
    windows.add<TFormSxema>();
    windows.add<TForm_YarlykChange>();
    windows.add<TQROpenForm>();
    windows.add<TQRep_VozdZavesaORK>();
    windows.add<TFormVozdZavesaResORK>();
    windows.add<TQRep_VozdZavesaPLN>();
    windows.add<TFormVozdZavesaResPLN>();
    windows.add<TdgSMKCalkYchastok>();
    windows.add<TdgPodporYchastok>();
    windows.add<TQRep_VozdZavesaTEM>();
    windows.add<TFormVozdZavesaResTEM>();
    windows.add<TFormVozdAgregatResLUMA>();
    windows.add<TQRep_VozdAgregatLUMA>();
}
