#pragma once

#include <QString>

// Where a JDK program is: in the configured directory (a '/' put between
// when missing), else found on PATH by its bare name.
QString JdkToolPath(const QString &jdkExeDir, const QString &tool);
