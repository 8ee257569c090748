#pragma once
#include <QHash>
#include <QString>
#include <QVector>
#include <memory>

namespace orvella::model {

// An ordered collection addressed by 1-based position in which every entry carries a unique
// text key. Nothing looks entries up by key; the keys only have to stay unique. Records are
// shared, so a record removed here lives on while someone else still holds it.
template <typename T> class KeyedCollection {
public:
    using Ptr = std::shared_ptr<T>;

private:
    // Declared before the iterator that names it: clang needs it complete there.
    struct Entry {
        Ptr record;
        QString key;
    };

public:
    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }

    // 1-based, like every reader of the plan expects.
    const Ptr& item(int position) const { return m_items.at(position - 1).record; }
    const QString& key(int position) const { return m_items.at(position - 1).key; }
    bool containsKey(const QString& key) const { return m_keys.contains(key); }

    // Appends under a key; a key already in use is refused and nothing is added.
    bool add(Ptr record, const QString& key) {
        if (!record || m_keys.contains(key))
            return false;
        m_keys.insert(key, true);
        m_items.push_back(Entry{std::move(record), key});
        return true;
    }

    // Appends under the decimal text of (count + 1), the key most collections use.
    bool append(Ptr record) { return add(std::move(record), QString::number(count() + 1)); }

    void remove(int position) {
        m_keys.remove(m_items.at(position - 1).key);
        m_items.removeAt(position - 1);
    }

    // Emptied from the last entry down to the first.
    void clear() {
        while (!m_items.isEmpty())
            remove(count());
    }

    void reserve(int n) {
        m_items.reserve(n);
        m_keys.reserve(n);
    }

    class const_iterator {
    public:
        using Inner = typename QVector<typename KeyedCollection::Entry>::const_iterator;
        explicit const_iterator(Inner it) : m_it(it) {}
        const Ptr& operator*() const { return m_it->record; }
        const Ptr* operator->() const { return &m_it->record; }
        const_iterator& operator++() {
            ++m_it;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return m_it == o.m_it; }
        bool operator!=(const const_iterator& o) const { return m_it != o.m_it; }

    private:
        Inner m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.cbegin()); }
    const_iterator end() const { return const_iterator(m_items.cend()); }

private:
    QVector<Entry> m_items;
    QHash<QString, bool> m_keys;
};

} // namespace orvella::model
