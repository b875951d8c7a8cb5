#pragma once

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <typeindex>

namespace ui {

// A shared record asked for that the program never registered, or registered twice: an error in the
// program itself.
class SharedRecordError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The records the program's windows share by design: what one window hands to another that is shown
// later (the fan chosen for its data sheet, the duties a calculation hands to fan selection). One
// object, owned by the program and given to the windows that use it. The program registers each record
// type once (src/app/SharedRecordList.cpp, one line each); every record starts empty. Results of a run
// never live here: a window is handed the run it shows.
class SharedRecords {
public:
    template <typename Record> void add()
    {
        if (!m_records.emplace(typeid(Record), std::make_shared<std::optional<Record>>()).second)
            throw SharedRecordError(std::string("shared record registered twice: ") + typeid(Record).name());
    }

    // The record of the type, empty until a window fills it. Throws SharedRecordError when the type is
    // not registered.
    template <typename Record> std::optional<Record>& get()
    {
        const auto found = m_records.find(typeid(Record));
        if (found == m_records.end())
            throw SharedRecordError(std::string("shared record not registered: ") + typeid(Record).name());
        return *static_cast<std::optional<Record>*>(found->second.get());
    }

    template <typename Record> bool isRegistered() const { return m_records.contains(typeid(Record)); }

private:
    std::map<std::type_index, std::shared_ptr<void>> m_records;
};

} // namespace ui
