#pragma once

#include <QString>

// Reads a Java program's stack traces one line at a time. Java 17 writes
//   Exception in thread "main" java.lang.IllegalStateException: wrapped
//   	at p.T.b(T.java:5)
//   	at java.base/java.lang.Integer.parseInt(Integer.java:668)
//   	at app//p.Main.run(Main.java:12)           (a class loader's name)
//   	at p.T.c(Unknown Source)                   (compiled with -g:none)
//   	at java.base/jdk.internal.misc.Unsafe.park(Native Method)
//   Caused by: java.lang.NumberFormatException: For input string: "x"
//   	... 3 more
// A frame gives the class, the method, the source file's name (without
// its package directories) and the line, when the class has them.
class CStackTraceLineParser
{
public:
    enum Kind {
        Other,
        Exception, // "Exception in thread ..." or an uncaught exception's first line
        CausedBy,  // "Caused by: ..." and "Suppressed: ..."
        Frame,     // "at ..."
        More,      // "... 3 more"
    };

    struct Line
    {
        Kind kind = Other;
        QString module;    // "java.base" (with "@version" when given), or empty
        QString className; // "p.T", "p.Outer$Inner"
        QString method;
        QString file;      // "T.java"; empty for Unknown Source and Native Method
        int line = 0;      // 0 when the frame has none
        QString exception; // for Exception and CausedBy: the exception's class
    };

    static Line Parse(const QString &text);
    Line Feed(const QString &text) { return Parse(text); }

    // The class's package as a directory path ("p/q/"), empty without one.
    static QString PackageDir(const QString &className);
    // The source file a class is declared in, when the frame did not say:
    // the outermost class's name with ".java".
    static QString SourceFileOf(const QString &className);
};
