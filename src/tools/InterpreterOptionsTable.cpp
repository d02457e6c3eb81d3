#include "tools/InterpreterOptionsTable.h"

#include <utility>

const QList<CInterpreterOptionRow> &CInterpreterOptionsTable::Rows()
{
    using O = CInterpreterOptions;
    using R = CInterpreterOptionRow;
    // What java 17 does with each old flag was measured: -cs and -noasyncgc
    // print "no longer supported", -noverify "deprecated", -oss stops the
    // VM from starting.
    auto row = [](QString label, QString flag, int O::*on, QString O::*value = nullptr,
                  R::Scope scope = R::Both, R::Java17 java17 = R::Accepted,
                  QString note = QString()) {
        return R{std::move(label), std::move(flag), on, value, scope, java17, std::move(note)};
    };
    static const QList<R> rows{
        row(QStringLiteral("Checksource (-cs)"), QStringLiteral(" -cs"), &O::m_bCheckSource,
            nullptr, R::Both, R::Warns, QStringLiteral("java 17 ignores it with a warning")),
        row(QStringLiteral("Max size memory allocation pool (-mx x)"), QStringLiteral(" -mx"),
            &O::m_bMaxHeap, &O::m_strMaxHeap),
        row(QStringLiteral("Startup size memory allocation pool (-ms x)"), QStringLiteral(" -ms"),
            &O::m_bStartHeap, &O::m_strStartHeap),
        row(QStringLiteral("No Garbage Collection (-noasyncgc)"), QStringLiteral(" -noasyncgc"),
            &O::m_bNoAsyncGC, nullptr, R::Both, R::Warns,
            QStringLiteral("java 17 ignores it with a warning")),
        row(QStringLiteral("Java code stack (-oss x)"), QStringLiteral(" -oss"), &O::m_bJavaStack,
            &O::m_strJavaStack, R::Both, R::Rejected,
            QStringLiteral("java 17 rejects it: the program does not start")),
        row(QStringLiteral("C code stack (-ss x)"), QStringLiteral(" -ss"), &O::m_bCStack,
            &O::m_strCStack),
        row(QStringLiteral("Verbose mode (-verbose)"), QStringLiteral(" -verbose"), &O::m_bVerbose),
        row(QStringLiteral("Run the verifier on all code (-verify)"), QStringLiteral(" -verify"),
            &O::m_bVerify),
        row(QStringLiteral("verification off (-noverify)"), QStringLiteral(" -noverify"),
            &O::m_bNoVerify, nullptr, R::Both, R::Warns,
            QStringLiteral("java 17 warns that it is deprecated")),
        row(QStringLiteral("Run the verifier on all code using classloader (-verifyremote)"),
            QStringLiteral(" -verifyremote"), &O::m_bVerifyRemote),
        row(QStringLiteral("Verbose GC (-verbosegc)"), QStringLiteral(" -verbosegc"),
            &O::m_bVerboseGC),
        row(QStringLiteral("Property values (-DpropertyName=newValue)"), QStringLiteral(" -D"),
            &O::m_bProperty, &O::m_strProperty),
        row(QStringLiteral("Custom Options sent as is including JDB"), QString(),
            &O::m_bCustomOptions, &O::m_strCustomOptions, R::GlobalOnly),
        row(QStringLiteral("Use Interpreter"), QString(), &O::m_bUseInterpreter,
            &O::m_strInterpreter, R::GlobalOnly),
        row(QStringLiteral("Classpath path (-classpath)"), QString(), &O::m_bClassPath,
            &O::m_strClassPath),
        row(QStringLiteral("Java Class Name to Run"), QString(), &O::m_bClassToRun,
            &O::m_strClassToRun, R::ProjectOnly),
        row(QStringLiteral("Command Line Options"), QString(), &O::m_bArguments, &O::m_strArguments,
            R::ProjectOnly),
        row(QStringLiteral("Execute program in dir"), QString(), &O::m_bRunInDirectory,
            &O::m_strRunDirectory, R::ProjectOnly),
    };
    return rows;
}

QList<CInterpreterOptionRow> CInterpreterOptionsTable::RowsFor(bool projectPage)
{
    QList<CInterpreterOptionRow> out;
    for (const CInterpreterOptionRow &row : Rows()) {
        if (row.scope ==
            (projectPage ? CInterpreterOptionRow::GlobalOnly : CInterpreterOptionRow::ProjectOnly))
            continue;
        out << row;
    }
    return out;
}
