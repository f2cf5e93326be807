#pragma once

#include <QStringList>
#include <QTextStream>

// Runs specdb with the arguments after the program name; returns the exit status.
int RunSpecdb(const QStringList& arguments, QTextStream& out, QTextStream& err);
