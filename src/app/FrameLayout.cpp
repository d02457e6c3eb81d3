#include "app/FrameLayout.h"

#include "core/SettingsStore.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

const QString kWindows = QStringLiteral("Windows");

// Coordinates and sizes a file may give: far beyond any screen, yet far
// from where adding two of them could overflow.
constexpr int kMaxCoord = 1 << 20;

int Int(const CSettingsStore &s, const QString &section, const char *key, int def)
{
    return s.GetProfileInt(section, QString::fromLatin1(key), def);
}

// A coordinate or a size, brought into a range where arithmetic is safe.
int Coord(const CSettingsStore &s, const QString &section, const char *key, int def)
{
    return qBound(-kMaxCoord, Int(s, section, key, def), kMaxCoord);
}

int Clamp64(qint64 v)
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), v,
                      qint64(std::numeric_limits<int>::max())));
}

// start and length brought inside [lo, lo + room): the length first, then
// the start so that all of it shows.
void Fit(int &start, int &length, int lo, int room)
{
    length = qBound(qMin(1, room), length, room);
    start = qBound(lo, start, lo + room - length);
}

void Put(CSettingsStore &s, const QString &section, const char *key, int value)
{
    s.WriteProfileInt(section, QString::fromLatin1(key), value);
}

bool IsDockSide(int side)
{
    return side >= CBarLayout::DockTop && side <= CBarLayout::DockBottom;
}

} // namespace

void CBarLayout::Load(const CSettingsStore &s, const QString &section)
{
    m_display = Int(s, section, "Display", 1) != 0;
    m_float = Int(s, section, "Float", 0) != 0;
    m_dock = Int(s, section, "Dock", DockTop);
    // A side the file should not hold docks the bar at the top rather than
    // losing it.
    if (!IsDockSide(m_dock))
        m_dock = DockTop;
    m_rect = QRect(QPoint(Coord(s, section, "left", 0), Coord(s, section, "top", 0)),
                   QPoint(Coord(s, section, "right", 0) - 1, Coord(s, section, "bottom", 0) - 1));
}

void CBarLayout::ClampToScreen(const QRect &available)
{
    // Only where a floating bar goes matters; a docked bar's rectangle
    // orders the bars and is taken from the window again at exit.
    int x = m_rect.left(), y = m_rect.top();
    int w = qBound(0, m_rect.width(), available.width());
    int h = qBound(0, m_rect.height(), available.height());
    x = qBound(available.left(), x, available.left() + available.width() - qMax(w, 1));
    y = qBound(available.top(), y, available.top() + available.height() - qMax(h, 1));
    m_rect = QRect(x, y, w, h);
}

void CBarLayout::Save(CSettingsStore &s, const QString &section) const
{
    Put(s, section, "Display", m_display ? kVisibleStyle : 0);
    Put(s, section, "Float", m_float ? 1 : 0);
    // Right and bottom are exclusive, as window rectangles are.
    Put(s, section, "left", m_rect.left());
    Put(s, section, "top", m_rect.top());
    Put(s, section, "right", Clamp64(qint64(m_rect.left()) + m_rect.width()));
    Put(s, section, "bottom", Clamp64(qint64(m_rect.top()) + m_rect.height()));
    Put(s, section, "Dock", m_dock);
}

void CFrameLayout::Load(const CSettingsStore &s)
{
    m_mainOrigX = Coord(s, kWindows, "MainOrigX", 0);
    m_mainOrigY = Coord(s, kWindows, "MainOrigY", 0);
    m_mainSizeX = Coord(s, kWindows, "MainSizeX", 640);
    m_mainSizeY = Coord(s, kWindows, "MainSizeY", 480);
    m_split1Y1 = Coord(s, kWindows, "Split1Y1", 640);
    m_split1Y2 = Coord(s, kWindows, "Split1Y2", 0);
    m_split2X1 = Coord(s, kWindows, "Split2X1", 175);
    m_split2X2 = Coord(s, kWindows, "Split2X2", 0);
    m_output = Int(s, kWindows, "Output", 0) != 0;
    m_project = Int(s, kWindows, "Project", 1) != 0;
    m_dockOutput = Int(s, kWindows, "DockOutput", 1) != 0;
    m_projectPane = Int(s, kWindows, "ProjectPane", 0);
    m_editorPane = Int(s, kWindows, "EditorPane", 1);
    RepairPanes();

    CEcvtNumber ratio;
    ratio.m_digits =
        s.GetProfileString(kWindows, QStringLiteral("DebugRatio"), QStringLiteral("0"));
    ratio.m_decimal = Int(s, kWindows, "DebugDecimal", 0);
    ratio.m_sign = Int(s, kWindows, "DebugSign", 0);
    m_debugRatio = ratio.ToDouble();

    m_statusBar = Int(s, QStringLiteral("StatusBar"), "Display", 1) != 0;
    m_toolBar.Load(s, QStringLiteral("ToolBar"));
    m_debugBar.Load(s, QStringLiteral("DebugBar"));
    m_browserBar.Load(s, QStringLiteral("BrowserBar"));
}

void CFrameLayout::PlaceFirstStart(const CSettingsStore &s, const QRect &available)
{
    auto stored = [&s](const char *key) {
        return !s.GetProfileString(kWindows, QString::fromLatin1(key)).isNull();
    };
    if (stored("MainOrigX") || stored("MainOrigY") || stored("MainSizeX") || stored("MainSizeY") ||
        available.isEmpty())
        return;
    m_mainSizeX = std::max(640, available.width() * 2 / 3);
    m_mainSizeY = std::max(480, available.height() * 2 / 3);
    m_mainSizeX = std::min(m_mainSizeX, available.width());
    m_mainSizeY = std::min(m_mainSizeY, available.height());
    m_mainOrigX = available.left() + (available.width() - m_mainSizeX) / 2;
    m_mainOrigY = available.top() + (available.height() - m_mainSizeY) / 2;
    if (!stored("Output"))
        m_output = true;
}

void CFrameLayout::Save(CSettingsStore &s) const
{
    Put(s, kWindows, "MainOrigX", m_mainOrigX);
    Put(s, kWindows, "MainOrigY", m_mainOrigY);
    Put(s, kWindows, "MainSizeX", m_mainSizeX);
    Put(s, kWindows, "MainSizeY", m_mainSizeY);
    Put(s, kWindows, "Split1Y1", m_split1Y1);
    Put(s, kWindows, "Split1Y2", m_split1Y2);
    Put(s, kWindows, "Split2X1", m_split2X1);
    Put(s, kWindows, "Split2X2", m_split2X2);
    Put(s, kWindows, "Output", m_output ? 1 : 0);
    Put(s, kWindows, "Project", m_project ? 1 : 0);
    Put(s, kWindows, "DockOutput", m_dockOutput ? 1 : 0);
    Put(s, kWindows, "ProjectPane", m_projectPane);
    Put(s, kWindows, "EditorPane", m_editorPane);

    const CEcvtNumber ratio = CEcvtNumber::FromDouble(m_debugRatio);
    s.WriteProfileString(kWindows, QStringLiteral("DebugRatio"), ratio.m_digits);
    Put(s, kWindows, "DebugDecimal", ratio.m_decimal);
    Put(s, kWindows, "DebugSign", ratio.m_sign);

    Put(s, QStringLiteral("StatusBar"), "Display", m_statusBar ? CBarLayout::kVisibleStyle : 0);
    m_toolBar.Save(s, QStringLiteral("ToolBar"));
    m_debugBar.Save(s, QStringLiteral("DebugBar"));
    m_browserBar.Save(s, QStringLiteral("BrowserBar"));
}

void CFrameLayout::ClampToScreen(const QRect &available)
{
    Fit(m_mainOrigX, m_mainSizeX, available.left(), available.width());
    Fit(m_mainOrigY, m_mainSizeY, available.top(), available.height());
    // Rows and columns of the splitters: never more than the window has,
    // and never negative except the project column's "a third" mark.
    m_split1Y1 = qBound(0, m_split1Y1, m_mainSizeY);
    m_split1Y2 = qBound(0, m_split1Y2, m_mainSizeY);
    m_split2X1 = m_split2X1 < 0 ? -1 : qMin(m_split2X1, m_mainSizeX);
    m_split2X2 = qBound(0, m_split2X2, m_mainSizeX);
    for (CBarLayout *bar : {&m_toolBar, &m_debugBar, &m_browserBar})
        bar->ClampToScreen(available);
}

void CFrameLayout::RepairPanes()
{
    const bool valid =
        (m_projectPane == 0 && m_editorPane == 1) || (m_projectPane == 1 && m_editorPane == 0);
    if (!valid) {
        m_projectPane = 0;
        m_editorPane = 1;
    }
}

void CFrameLayout::SwapPanes()
{
    std::swap(m_projectPane, m_editorPane);
}

int CFrameLayout::ProjectWidth(int clientWidth) const
{
    return m_split2X1 < 0 ? clientWidth / 3 : m_split2X1;
}

int CFrameLayout::EditorWidth(int clientWidth) const
{
    return m_split2X2 == 0 ? clientWidth * 2 / 3 : m_split2X2;
}

CEcvtNumber CEcvtNumber::FromDouble(double value, int ndigits)
{
    CEcvtNumber n;
    ndigits = qBound(1, ndigits, 17);
    if (!std::isfinite(value))
        value = 0.0;
    n.m_sign = std::signbit(value) && value != 0.0 ? 1 : 0;
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        n.m_digits = QString(ndigits, QLatin1Char('0'));
        n.m_decimal = 0;
        return n;
    }
    // "%.*e" rounds to ndigits significant digits and says where the point
    // goes: d.ddddde±x has the point x + 1 places after the first digit.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", ndigits - 1, magnitude);
    QString digits;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits += QLatin1Char(*p);
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    n.m_digits = digits;
    n.m_decimal = exponent + 1;
    return n;
}

double CEcvtNumber::ToDouble() const
{
    // Beyond these a double is 0 or infinite anyway; a damaged file must not
    // make us build a string of a billion zeros.
    const int decimal = qBound(-400, m_decimal, 400);
    QString text = m_sign ? QStringLiteral("-") : QString();
    if (decimal < 1) {
        text += QLatin1Char('.') + QString(-decimal, QLatin1Char('0')) + m_digits;
    } else {
        text += m_digits.left(decimal);
        // Fewer digits than the point's position: the rest are zeros.
        if (m_digits.size() < decimal)
            text += QString(decimal - m_digits.size(), QLatin1Char('0'));
        text += QLatin1Char('.') + m_digits.mid(decimal);
    }
    // Read as much as forms a number, whatever the process's locale says
    // about decimal points.
    const QByteArray bytes = text.toLatin1();
    const char *first = bytes.constData();
    const char *last = first + bytes.size();
    double value = 0.0;
    if (std::from_chars(first, last, value).ec != std::errc())
        return 0.0;
    return value;
}
