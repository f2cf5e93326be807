#pragma once

#include <QString>

#include <stdexcept>

// A failure that ends the running command; its message is shown to the user as it stands.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& Message() const noexcept { return message_; }

private:
    QString message_;
};
