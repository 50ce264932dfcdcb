#include "settings_ui/StatsSymbols.h"

#include <algorithm>

namespace {

using namespace glyph;

// A bin: the lid with its handle, a body narrowing a little towards its rounded foot, and
// two ribs.
QPainterPath trash(qreal w)
{
    QPainterPath handle(QPointF(9.0, 5.6));
    handle.lineTo(9.0, 4.4);
    handle.quadTo(9.0, 3.0, 10.4, 3.0);
    handle.lineTo(13.6, 3.0);
    handle.quadTo(15.0, 3.0, 15.0, 4.4);
    handle.lineTo(15.0, 5.6);
    QPainterPath body(QPointF(5.8, 6.2));
    body.lineTo(6.8, 18.6);
    body.quadTo(7.0, 20.8, 9.2, 20.8);
    body.lineTo(14.8, 20.8);
    body.quadTo(17.0, 20.8, 17.2, 18.6);
    body.lineTo(18.2, 6.2);
    const qreal rib = std::max(1.2, w * 0.8);
    return unite({polyline({{3.6, 6.0}, {20.4, 6.0}}, w), strokeOf(handle, w), strokeOf(body, w),
                  polyline({{10.0, 9.6}, {10.3, 17.4}}, rib),
                  polyline({{14.0, 9.6}, {13.7, 17.4}}, rib)});
}

} // namespace

const QHash<QString, Design> &StatsSymbols::designs()
{
    static const QHash<QString, Design> designs = {
        {QStringLiteral("trash"), trash},
    };
    return designs;
}
