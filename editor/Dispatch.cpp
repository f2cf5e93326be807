#include "editor/Dispatch.h"

#include "records/Failure.h"

#include <cstdio>

namespace {

std::function<void(const QString&)>& Reporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}

void Report(const QString& message) {
    const QString text = ErrorText(message);
    if (Reporter())
        Reporter()(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// A reporter that fails must not take the program down with it.
void ReportSafely(const QString& message) {
    try {
        Report(message);
    } catch (...) {
        std::fprintf(stderr, "%s\n", ErrorText(message).toLocal8Bit().constData());
    }
}

}  // namespace

QString ErrorText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void SetErrorReporter(std::function<void(const QString&)> reporter) { Reporter() = std::move(reporter); }

namespace {
int depth = 0;
}  // namespace

int DispatchDepth() { return depth; }

bool Dispatch(const std::function<void()>& work) {
    struct Nesting {
        Nesting() { ++depth; }
        ~Nesting() { --depth; }
    } nesting;
    try {
        work();
        return true;
    } catch (const EAbort&) {
        return false;
    } catch (const Failure& failure) {
        ReportSafely(failure.Message());
    } catch (const std::exception& error) {
        ReportSafely(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportSafely(QStringLiteral("Unexpected failure"));
    }
    return false;
}
