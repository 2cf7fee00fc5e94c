#pragma once
// Readable failure messages for the values the window tests compare.

#include "model/Figure.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

// Names a parameterised case after its printed value, which each table
// keeps short and unique (letters, digits and underscores only).
struct PrintedName {
    template <class T>
    std::string operator()(const ::testing::TestParamInfo<T>& info) const
    {
        return ::testing::PrintToString(info.param);
    }
};

namespace zol {

inline void PrintTo(const Figure& f, std::ostream* os)
{
    *os << "Figure{" << f.caption << ":";
    for (int i = 0; i < 7; ++i)
        *os << " (" << f.x[i] << "," << f.y[i] << "," << f.angle[i] << "," << f.flip[i] << ")";
    *os << "}";
}

} // namespace zol
