#include "ui/SharedWindows.h"

namespace ui {

SharedWindows::SharedWindows(QWidget* owner, Program& program)
    : m_owner(owner)
    , m_program(program)
{
}

SharedWindows::~SharedWindows()
{
    // Last built first, so a window never outlives one it was built after and may refer to.
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        delete entry->window.data();
}

void SharedWindows::addEntry(const QMetaObject* type, std::function<QWidget*()> create)
{
    if (find(type))
        throw SharedWindowError(std::string("shared window registered twice: ") + type->className());
    m_entries.push_back({type, std::move(create), nullptr});
}

const SharedWindows::Entry* SharedWindows::find(const QMetaObject* type) const
{
    for (const Entry& entry : m_entries) {
        if (entry.type == type)
            return &entry;
    }
    return nullptr;
}

QWidget* SharedWindows::window(const QMetaObject* type)
{
    auto* entry = const_cast<Entry*>(find(type));
    if (!entry)
        throw SharedWindowError(std::string("shared window not registered: ") + type->className());
    if (!entry->window)
        entry->window = entry->create();
    return entry->window;
}

QWidget* SharedWindows::created(const QMetaObject* type) const
{
    const Entry* entry = find(type);
    return entry ? entry->window.data() : nullptr;
}

void SharedWindows::createAll()
{
    for (const Entry& entry : m_entries)
        window(entry.type);
}

QList<QWidget*> SharedWindows::created() const
{
    QList<QWidget*> windows;
    for (const Entry& entry : m_entries) {
        if (entry.window)
            windows.append(entry.window.data());
    }
    return windows;
}

QStringList SharedWindows::registeredClasses() const
{
    QStringList names;
    for (const Entry& entry : m_entries)
        names.append(QString::fromLatin1(entry.type->className()));
    return names;
}

} // namespace ui
