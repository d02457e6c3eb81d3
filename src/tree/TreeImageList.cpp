#include "tree/TreeImageList.h"

#include "tree/ThemeIcon.h"
#include "tree/TreeImages.h"

#include <QIconEngine>
#include <QPainter>

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
    {TreeImage::JavaFileDirty, "text-x-java", QStyle::SP_FileIcon},
    {TreeImage::Enum, "code-typedef", QStyle::SP_FileDialogListView},
    {TreeImage::Record, "code-block", QStyle::SP_FileDialogDetailedView},
    {TreeImage::Annotation, "tag", QStyle::SP_FileDialogStart},
    {TreeImage::Sealed, "object-locked", QStyle::SP_FileDialogToParent},
};
static_assert(std::size(kSources) == TreeImage::Count, "one source per tree image");

// A source that needs compiling: its file image with a red dot in the
// corner. Drawn over the file image when it is drawn, so nothing is looked
// up before the tree shows a dirty file.
class CDirtyDotIconEngine final : public QIconEngine
{
public:
    explicit CDirtyDotIconEngine(QIcon base) : m_base(std::move(base)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        m_base.paint(painter, rect, Qt::AlignCenter, mode, state);
        Dot(*painter, rect);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm = m_base.pixmap(size, mode, state);
        if (!pm.isNull()) {
            QPainter p(&pm);
            Dot(p, QRect(QPoint(0, 0), pm.deviceIndependentSize().toSize()));
        }
        return pm;
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_base.actualSize(size, mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("CDirtyDotIconEngine"); }
    QIconEngine *clone() const override { return new CDirtyDotIconEngine(m_base); }

private:
    static void Dot(QPainter &p, const QRect &rect)
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const int d = qMax(5, rect.width() / 2);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        p.drawEllipse(rect.right() - d + 1, rect.bottom() - d + 1, d - 1, d - 1);
        p.restore();
    }

    QIcon m_base;
};

// A member's access at a glance, the same on every desktop: public a green
// circle, protected an amber diamond, private a red square, package access
// a blue triangle. Themes have no icons that tell these apart.
QIcon MemberIcon(int image)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    switch (image) {
    case TreeImage::MemberPublic:
        p.setBrush(QColor(0x2e, 0xa0, 0x43));
        p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
        break;
    case TreeImage::MemberProtected: {
        p.setBrush(QColor(0xe0, 0xa0, 0x20));
        const QPointF diamond[] = {{8, 2.5}, {13.5, 8}, {8, 13.5}, {2.5, 8}};
        p.drawPolygon(diamond, 4);
        break;
    }
    case TreeImage::MemberPrivate:
        p.setBrush(QColor(0xc8, 0x30, 0x30));
        p.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    default: {
        p.setBrush(QColor(0x30, 0x70, 0xd0));
        const QPointF triangle[] = {{8, 2.5}, {13.5, 13}, {2.5, 13}};
        p.drawPolygon(triangle, 3);
        break;
    }
    }
    return QIcon(pm);
}

} // namespace

QList<QIcon> BuildTreeImageList()
{
    QList<QIcon> icons(TreeImage::Count);
    for (const ImageSource &src : kSources)
        icons[src.index] = ThemeIcon(src.themeName, src.fallback);
    icons[TreeImage::JavaFileDirty] =
        QIcon(new CDirtyDotIconEngine(icons[TreeImage::JavaFileDirty]));
    for (int member : {TreeImage::MemberPublic, TreeImage::MemberProtected,
                       TreeImage::MemberPrivate, TreeImage::MemberPackage})
        icons[member] = MemberIcon(member);
    return icons;
}

const QList<QIcon> &SharedTreeImages()
{
    static const QList<QIcon> images = BuildTreeImageList();
    return images;
}
