#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

// Who is told of a document's changes: each listener lives as long as its context object. They
// belong to one document: a copy of the document starts with none.
template<class... Args>
class Listeners
{
public:
    Listeners() = default;
    Listeners(const Listeners &) {}
    Listeners &operator=(const Listeners &) { return *this; }

    // Calls listener after every change while context lives.
    void add(const QObject *context, std::function<void(Args...)> listener)
    {
        m_entries.push_back({context, std::move(listener)});
    }

    void tell(Args... args)
    {
        std::erase_if(m_entries, [](const Entry &e) { return e.context.isNull(); });
        // A copy: a listener may listen in turn, or destroy another's context.
        const std::vector<Entry> entries = m_entries;
        for (const Entry &e : entries)
            if (e.context)
                e.call(args...);
    }

private:
    struct Entry
    {
        QPointer<const QObject> context;
        std::function<void(Args...)> call;
    };
    std::vector<Entry> m_entries;
};
