#pragma once

#include <QString>

class CSettingsExchange;
struct CRmicOptions;

// The rmic dialog's values as the application keeps them (switches in
// section "RMIC", the four texts in section "RIMC"), and the rmic command
// line. Today's JDK has no rmic: the line is built all the same and its
// start fails as any start does.
class CRmicCommandLine
{
public:
    static void Exchange(CSettingsExchange &exchange, CRmicOptions &options);
    // classPath: the project's compiler class path when the options ask for
    // the project's and one is open (empty for none); globalClassPath: the
    // workspace's, when its class-path option is on (else empty).
    static QString Build(const CRmicOptions &options, const QString &projectClassPath,
                         const QString &globalClassPath, const QString &jdkExeDir);
};
