#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The category tree of the element page, read from a text file beside the program ("tepltree.txt",
// "nulltree.txt", code page 1251): one node per line, one level deeper for each leading tab.
namespace unit {

struct TreeNode {
    int depth = 0;
    QString caption;
};

// Blank lines are skipped; a node deeper than one level below its predecessor is lifted to that level.
std::vector<TreeNode> parseCategoryTree(const QByteArray& bytes);

} // namespace unit
