#ifndef CONTROLARRAY_H
#define CONTROLARRAY_H

#include "platform/failure.h"

#include <QMap>
#include <cstdint>

// Like controls sharing one name, told apart by a 16-bit index. Asking for an
// index that does not exist is an error, as it is in the program's own logic.
template <typename T> class ControlArray
{
public:
    ControlArray() = default;
    ControlArray(QString name, QMap<int16_t, T *> elements)
        : m_name(std::move(name)), m_elements(std::move(elements))
    {
    }

    T *operator()(int index) const
    {
        const auto found = m_elements.constFind(int16_t(index));
        if (index < INT16_MIN || index > INT16_MAX || found == m_elements.cend())
            throw Failure(QStringLiteral("コントロール配列 %1 に要素 %2 はありません。")
                              .arg(m_name)
                              .arg(index));
        return found.value();
    }
    QList<int16_t> indices() const { return m_elements.keys(); }
    int size() const { return int(m_elements.size()); }

private:
    QString m_name;
    QMap<int16_t, T *> m_elements;
};

#endif
