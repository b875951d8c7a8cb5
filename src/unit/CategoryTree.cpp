#include "unit/CategoryTree.h"

#include "common/Cp1251.h"

#include <QStringList>
#include <algorithm>

namespace unit {

std::vector<TreeNode> parseCategoryTree(const QByteArray& bytes)
{
    std::vector<TreeNode> nodes;
    const QString text = cp1251::decode(bytes);
    for (QString line : text.split(u'\n')) {
        line.remove(u'\r');
        int depth = 0;
        while (depth < line.size() && line[depth] == u'\t')
            ++depth;
        const QString caption = line.mid(depth).trimmed();
        if (caption.isEmpty())
            continue;
        const int deepest = nodes.empty() ? 0 : nodes.back().depth + 1;
        nodes.push_back({std::min(depth, deepest), caption});
    }
    return nodes;
}

} // namespace unit
