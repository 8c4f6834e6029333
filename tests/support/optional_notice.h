#pragma once

#include <QtTest>

#include <optional>

// A notice, or none when the fetch failed, as a table column and in a
// failure message.
Q_DECLARE_METATYPE(std::optional<QString>)

namespace QTest {
template <>
inline char* toString(const std::optional<QString>& notice)
{
    return notice ? toString(*notice) : qstrdup("no notice");
}
} // namespace QTest
