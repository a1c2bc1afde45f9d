#pragma once

// What an operation that can fail hands back: its value, or why it failed.
// The reason is a German text for the user: the system's own words (disk
// full, permission denied, ...) or the program's, to be shown under the
// caller's sentence that names the file and the action. The core shows no
// message itself; it returns the text.

#include <QString>
#include <QtGlobal>
#include <optional>
#include <utility>

// A failed operation's reason; converts to a Result of any kind.
struct Failure {
    QString reason;
};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : error_(std::move(failure.reason)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only of a result that is ok.
    T &value() &
    {
        Q_ASSERT(ok());
        return *value_;
    }
    const T &value() const &
    {
        Q_ASSERT(ok());
        return *value_;
    }
    T &&value() &&
    {
        Q_ASSERT(ok());
        return std::move(*value_);
    }
    T &operator*() & { return value(); }
    const T &operator*() const & { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }
    T valueOr(T fallback) const { return ok() ? *value_ : std::move(fallback); }

    // Empty when the result is ok; may be empty on failure too, where the
    // system gave no words.
    const QString &error() const { return error_; }

private:
    std::optional<T> value_;
    QString error_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : ok_(false), error_(std::move(failure.reason)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const QString &error() const { return error_; }

private:
    bool ok_ = true;
    QString error_;
};
