#include "ExpectedKeys.h"

namespace {

void Add(KeyList &list, const char *section, std::initializer_list<const char *> keys)
{
    for (const char *k : keys)
        list.append({QLatin1String(section), QLatin1String(k)});
}

void AddList(KeyList &list, const char *section, const char *name, int n)
{
    list.append({QLatin1String(section), QLatin1String(name) + QStringLiteral("Count")});
    for (int i = 1; i <= n; ++i)
        list.append({QLatin1String(section), QLatin1String(name) + QString::number(i)});
}

} // namespace

KeyList DirectoryKeys(int exe, int lib, int doc, int src, int pkg)
{
    // Sections group their keys, so the "Java" lists follow the "Java"
    // single paths and the package list follows "Package"/"SourcePath".
    KeyList k;
    Add(k, "Java", {"ExePath", "LibPath", "SourcePath", "DocPath", "BeanDocPath", "JSDKDocPath"});
    AddList(k, "Java", "ExePath", exe);
    AddList(k, "Java", "LibPath", lib);
    AddList(k, "Java", "DocPath", doc);
    AddList(k, "Java", "SrcPath", src);
    Add(k, "Package", {"SourcePath"});
    AddList(k, "Package", "SrcPath", pkg);
    Add(k, "Mavu", {"Path"});
    Add(k, "Browser", {"Path"});
    for (int i = 1; i <= 100; ++i)
        k.append({QStringLiteral("User"), QStringLiteral("Path%1").arg(i)});
    return k;
}

KeyList LayoutKeys()
{
    KeyList k;
    Add(k, "Windows",
        {"MainOrigX", "MainOrigY", "MainSizeX", "MainSizeY", "Split1Y1", "Split1Y2", "Split2X1",
         "Split2X2", "Output", "Project", "DockOutput", "ProjectPane", "EditorPane", "DebugRatio",
         "DebugDecimal", "DebugSign"});
    Add(k, "StatusBar", {"Display"});
    for (const char *bar : {"ToolBar", "DebugBar", "BrowserBar"})
        Add(k, bar, {"Display", "Float", "left", "top", "right", "bottom", "Dock"});
    return k;
}
