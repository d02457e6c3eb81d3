#include "tree/TreeImageList.h"

#include "tree/ThemeIcon.h"
#include "tree/TreeImages.h"

namespace {

struct ImageSource
{
    int index;
    const char *themeName;
    QStyle::StandardPixmap fallback;
};

// The icon theme's standard names where one fits; the style
// icon keeps the tree readable on desktops without an icon theme.
constexpr ImageSource kSources[] = {
    {TreeImage::FolderOpen, "folder-open", QStyle::SP_DirOpenIcon},
    {TreeImage::FolderClosed, "folder", QStyle::SP_DirClosedIcon},
    {TreeImage::Leaf, "text-x-generic", QStyle::SP_FileIcon},
    {TreeImage::ProjectOpen, "folder-development", QStyle::SP_DirOpenIcon},
    {TreeImage::ProjectClosed, "folder-development", QStyle::SP_DirIcon},
    {TreeImage::File, "text-x-generic", QStyle::SP_FileIcon},
    {TreeImage::JavaFile, "text-x-java", QStyle::SP_FileIcon},
    {TreeImage::HtmlFile, "text-html", QStyle::SP_FileLinkIcon},
    {TreeImage::ResourceFile, "application-x-designer", QStyle::SP_FileDialogDetailedView},
    {TreeImage::Class, "code-class", QStyle::SP_FileDialogInfoView},
    {TreeImage::Interface, "code-typedef", QStyle::SP_FileDialogContentsView},
    {TreeImage::Import, "code-context", QStyle::SP_ArrowRight},
    {TreeImage::MethodsFolder, "folder", QStyle::SP_DirClosedIcon},
    {TreeImage::None, "dialog-cancel", QStyle::SP_DialogCancelButton},
    {TreeImage::MemberPublic, "code-function", QStyle::SP_DialogApplyButton},
    {TreeImage::MemberProtected, "code-function", QStyle::SP_DialogResetButton},
    {TreeImage::MemberPrivate, "object-locked", QStyle::SP_DialogCloseButton},
    {TreeImage::MemberPackage, "code-function", QStyle::SP_DialogOkButton},
    {TreeImage::HelpBook, "help-contents", QStyle::SP_DialogHelpButton},
    {TreeImage::HelpPage, "text-html", QStyle::SP_FileIcon},
    {TreeImage::URL, "internet-web-browser", QStyle::SP_DriveNetIcon},
    {TreeImage::Bean, "package-x-generic", QStyle::SP_DriveHDIcon},
    {TreeImage::Thread, "system-run", QStyle::SP_MediaPlay},
    {TreeImage::StackFrame, "view-list-details", QStyle::SP_FileDialogListView},
    {TreeImage::Value, "code-variable", QStyle::SP_FileDialogDetailedView},
};
static_assert(std::size(kSources) == TreeImage::Count, "one source per tree image");

} // namespace

QList<QIcon> BuildTreeImageList()
{
    QList<QIcon> icons(TreeImage::Count);
    for (const ImageSource &src : kSources)
        icons[src.index] = ThemeIcon(src.themeName, src.fallback);
    return icons;
}

const QList<QIcon> &SharedTreeImages()
{
    static const QList<QIcon> images = BuildTreeImageList();
    return images;
}
