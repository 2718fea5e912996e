#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace garabel {

// Why something failed, in Spanish, as the user is to be told it. It becomes a
// failed Result of any type: `return Failure{tr("No existe la carpeta")};`.
struct Failure {
    QString reason;
};

// What an operation that can fail gives back: its value, or the reason it
// failed. Which one is asked with ok(); value() is there only on success,
// reason() only on failure.
template <typename T>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_reason(std::move(failure.reason)) {}

    bool ok() const { return m_value.has_value(); }
    const T &value() const &
    {
        Q_ASSERT(ok());
        return *m_value;
    }
    T &value() &
    {
        Q_ASSERT(ok());
        return *m_value;
    }
    T &&value() &&
    {
        Q_ASSERT(ok());
        return std::move(*m_value);
    }
    const QString &reason() const { return m_reason; }

private:
    std::optional<T> m_value;
    QString m_reason;
};

// Success with nothing to give, or the reason it failed.
template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_reason(std::move(failure.reason)), m_ok(false) {}

    bool ok() const { return m_ok; }
    const QString &reason() const { return m_reason; }

private:
    QString m_reason;
    bool m_ok = true;
};

} // namespace garabel
