#include "editor/Dispatch.h"
#include "records/Failure.h"
#include "support/TestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Dispatch, ReportsFailuresWithTheFullStopRule) {
    QStringList reported;
    SetErrorReporter([&](const QString& message) { reported << message; });

    const std::pair<std::function<void()>, const char*> cases[] = {
        {[] { throw Failure("Loading bitmap failed."); }, "Loading bitmap failed."},
        {[] { throw Failure("Host not found"); }, "Host not found."},
        {[] { throw Failure("Error 404"); }, "Error 404."},         // digits come after "."
        {[] { throw Failure("Denied (read-only)"); }, "Denied (read-only)"},  // ")" comes before
        {[] { throw Failure("Stop!"); }, "Stop!"},
        {[] { throw std::runtime_error("out of memory"); }, "out of memory."},
        {[] { throw Failure(""); }, ""},
    };
    for (const auto& [work, expected] : cases) {
        reported.clear();
        EXPECT_FALSE(Dispatch(work));
        EXPECT_EQ(reported, QStringList{QString::fromUtf8(expected)});
    }

    reported.clear();
    EXPECT_FALSE(Dispatch([] { throw EAbort(); }));
    EXPECT_TRUE(Dispatch([] {}));
    EXPECT_FALSE(Dispatch([] { throw 42; }));
    EXPECT_EQ(reported.size(), 1) << "only the unknown exception is reported";
    SetErrorReporter(nullptr);
}
