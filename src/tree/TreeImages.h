#pragma once

// Indexes into the one 16x16 image list that every tree view shares. Tree
// nodes store these numbers (never icons), so the model needs no GUI; the
// view side builds the matching icon list (TreeImageList.h) in this order.
namespace TreeImage {
enum : int {
    FolderOpen = 0,   // first folder image: a folder shown expanded
    FolderClosed = 1, // second folder image: a folder shown collapsed
    Leaf = 2,         // default image of a plain node
    ProjectOpen,
    ProjectClosed,
    File,
    JavaFile,
    HtmlFile,
    ResourceFile,
    Class,
    Interface,
    Import,
    MethodsFolder,
    None, // the "<none>" placeholder
    MemberPublic,
    MemberProtected,
    MemberPrivate,
    MemberPackage,
    HelpBook,
    HelpPage,
    URL,
    Bean,
    Thread,
    StackFrame,
    Value,
    JavaFileDirty, // a Java source whose class files are missing or stale
    Enum,
    Record,
    Annotation, // an annotation type
    Sealed,     // a sealed class or interface
    Count
};
} // namespace TreeImage
