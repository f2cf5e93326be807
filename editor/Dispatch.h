#pragma once

#include <QString>

#include <exception>
#include <functional>

// Ends the running command without a message, e.g. when the user answers No to a question
// whose Yes would have let the command go on.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// Runs one piece of work started by the user. Every event from the window goes through here,
// so that no exception reaches the event loop: EAbort ends the work silently; a Failure or
// any other exception is reported through the error reporter. Returns whether the work ran
// to its end.
bool Dispatch(const std::function<void()>& work);

// How many pieces of work are running, nested; more than 0 while a command waits in a local
// event loop (a download) and the window must not go away under it.
int DispatchDepth();

// Where failures go; the window shows them in an error box. Without one they go to stderr.
void SetErrorReporter(std::function<void(const QString& message)> reporter);

// The message as the user sees it: a full stop is added when the last character comes after
// "." in character order (so "failed" gets one, "failed." and "failed!" do not).
QString ErrorText(const QString& message);
