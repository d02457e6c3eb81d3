#include "app/FrameLayout.h"

#include "core/SettingsExchange.h"
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

// A coordinate or a size, brought into a range where arithmetic is safe.
int Coord(int value)
{
    return qBound(-kMaxCoord, value, kMaxCoord);
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

bool IsDockSide(int side)
{
    return side >= CBarLayout::DockTop && side <= CBarLayout::DockBottom;
}

} // namespace

void CBarLayout::Load(const CSettingsStore &store, const QString &section)
{
    CSettingsExchange::LoadRecord(*this, store, section);
}

void CBarLayout::Save(CSettingsStore &store, const QString &section) const
{
    CSettingsExchange::SaveRecord(*this, store, section);
}

void CBarLayout::Exchange(CSettingsExchange &x, const QString &section)
{
    int display = m_display ? kVisibleStyle : 0;
    int floating = m_float ? 1 : 0;
    // Right and bottom are exclusive, as window rectangles are.
    int left = m_rect.left();
    int top = m_rect.top();
    int right = Clamp64(qint64(m_rect.left()) + m_rect.width());
    int bottom = Clamp64(qint64(m_rect.top()) + m_rect.height());
    x.Int(section, QStringLiteral("Display"), display, 1);
    x.Int(section, QStringLiteral("Float"), floating, 0);
    x.Int(section, QStringLiteral("left"), left, 0);
    x.Int(section, QStringLiteral("top"), top, 0);
    x.Int(section, QStringLiteral("right"), right, 0);
    x.Int(section, QStringLiteral("bottom"), bottom, 0);
    x.Int(section, QStringLiteral("Dock"), m_dock, DockTop);
    if (!x.IsLoading())
        return;
    m_display = display != 0;
    m_float = floating != 0;
    // A side the file should not hold docks the bar at the top rather than
    // losing it.
    if (!IsDockSide(m_dock))
        m_dock = DockTop;
    m_rect = QRect(QPoint(Coord(left), Coord(top)), QPoint(Coord(right) - 1, Coord(bottom) - 1));
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

void CFrameLayout::Load(const CSettingsStore &store)
{
    CSettingsExchange::LoadRecord(*this, store);
}

void CFrameLayout::Save(CSettingsStore &store) const
{
    CSettingsExchange::SaveRecord(*this, store);
}

void CFrameLayout::Exchange(CSettingsExchange &x)
{
    const CFrameLayout d;
    const auto coord = [&x](const char *key, int &value, int def) {
        x.Int(kWindows, QLatin1String(key), value, def);
        if (x.IsLoading())
            value = Coord(value);
    };
    const auto flag = [&x](const char *key, bool &value, int def) {
        int stored = value ? 1 : 0;
        x.Int(kWindows, QLatin1String(key), stored, def);
        value = stored != 0;
    };
    coord("MainOrigX", m_mainOrigX, d.m_mainOrigX);
    coord("MainOrigY", m_mainOrigY, d.m_mainOrigY);
    coord("MainSizeX", m_mainSizeX, d.m_mainSizeX);
    coord("MainSizeY", m_mainSizeY, d.m_mainSizeY);
    coord("Split1Y1", m_split1Y1, d.m_split1Y1);
    coord("Split1Y2", m_split1Y2, d.m_split1Y2);
    coord("Split2X1", m_split2X1, d.m_split2X1);
    coord("Split2X2", m_split2X2, d.m_split2X2);
    flag("Output", m_output, 0);
    flag("Project", m_project, 1);
    flag("DockOutput", m_dockOutput, 1);
    x.Int(kWindows, QStringLiteral("ProjectPane"), m_projectPane, d.m_projectPane);
    x.Int(kWindows, QStringLiteral("EditorPane"), m_editorPane, d.m_editorPane);
    if (x.IsLoading())
        RepairPanes();

    // The debugger's split as _ecvt gives it: digits, decimal point, sign.
    CEcvtNumber ratio = CEcvtNumber::FromDouble(m_debugRatio);
    x.String(kWindows, QStringLiteral("DebugRatio"), ratio.m_digits, QStringLiteral("0"));
    x.Int(kWindows, QStringLiteral("DebugDecimal"), ratio.m_decimal, 0);
    x.Int(kWindows, QStringLiteral("DebugSign"), ratio.m_sign, 0);
    if (x.IsLoading())
        m_debugRatio = ratio.ToDouble();

    int statusBar = m_statusBar ? CBarLayout::kVisibleStyle : 0;
    x.Int(QStringLiteral("StatusBar"), QStringLiteral("Display"), statusBar, 1);
    m_statusBar = statusBar != 0;
    m_toolBar.Exchange(x, QStringLiteral("ToolBar"));
    m_debugBar.Exchange(x, QStringLiteral("DebugBar"));
    m_browserBar.Exchange(x, QStringLiteral("BrowserBar"));
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
