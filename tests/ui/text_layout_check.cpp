#include "text_layout_check.h"

#include <QFont>
#include <QFontMetricsF>
#include <QQuickItem>
#include <QVariant>

namespace korrelang::ui {

namespace {

// Qt Quick's Text enums, read through properties so that no private header is needed.
constexpr int kNoWrap = 0;
constexpr int kElideNone = 3;
constexpr int kAlignRight = 0x2;
constexpr int kAlignHCenter = 0x4;
constexpr int kAlignBottom = 0x40;
constexpr int kAlignVCenter = 0x80;

struct Placed {
    QQuickItem* item;
    QString text;
    QRectF visible;  // scene coordinates, cut by every clipping ancestor
};

QString describe(const QString& text) {
    QString shown = text.simplified();
    if (shown.size() > 40) {
        shown = shown.left(39) + QStringLiteral("…");
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// The part of the item's box where glyphs are painted, in the item's coordinates.
QRectF paintedRect(const QQuickItem* text) {
    const qreal contentWidth = text->property("contentWidth").toReal();
    const qreal contentHeight = text->property("contentHeight").toReal();
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    qreal x = 0;
    if (horizontal & kAlignRight) {
        x = text->width() - contentWidth;
    } else if (horizontal & kAlignHCenter) {
        x = (text->width() - contentWidth) / 2;
    }
    qreal y = 0;
    if (vertical & kAlignBottom) {
        y = text->height() - contentHeight;
    } else if (vertical & kAlignVCenter) {
        y = (text->height() - contentHeight) / 2;
    }
    return {x, y, contentWidth, contentHeight};
}

bool isFlickableContent(const QQuickItem* item) {
    const QQuickItem* parent = item->parentItem();
    return parent && parent->inherits("QQuickFlickable") &&
           parent->property("contentItem").value<QQuickItem*>() == item;
}

void collect(QQuickItem* item, qreal opacity, const QRectF& window, QList<Placed>& placed,
             QStringList& problems) {
    if (!item->isVisible()) {
        return;
    }
    opacity *= item->opacity();
    if (opacity < 0.01) {
        return;
    }
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty()) {
        const QString text = item->property("text").toString();
        const bool wraps = item->property("wrapMode").toInt() != kNoWrap;
        const bool elides = item->property("elide").toInt() != kElideNone;
        const qreal contentWidth = item->property("contentWidth").toReal();
        // A text that shrinks its font to its width is measured as drawn.
        const bool fits = item->property("fontSizeMode").toInt() != 0;
        const QFontMetricsF metrics(item->property("font").value<QFont>());
        for (const char32_t letter : text.toUcs4()) {
            const QChar::Category category = QChar::category(letter);
            const bool drawn = category != QChar::Separator_Space &&
                               category != QChar::Other_Control && category != QChar::Other_Format;
            if (drawn && !metrics.inFontUcs4(letter)) {
                problems.append(describe(text) +
                                QStringLiteral(" has letters its font cannot "
                                               "draw (U+%1)")
                                    .arg(static_cast<uint>(letter), 4, 16, QLatin1Char('0')));
                break;
            }
        }
        if (item->property("truncated").toBool()) {
            problems.append(describe(text) + QStringLiteral(" is cut short"));
        } else if (fits && contentWidth > item->width() + 0.5) {
            problems.append(describe(text) + QStringLiteral(" does not fit even at its smallest"));
        } else if (!fits && !wraps && !elides && item->implicitWidth() > item->width() + 0.5) {
            problems.append(describe(text) + QStringLiteral(" needs %1 but has %2")
                                                 .arg(item->implicitWidth())
                                                 .arg(item->width()));
        } else if (wraps && contentWidth > item->width() + 0.5) {
            problems.append(describe(text) + QStringLiteral(" has a word wider than its line"));
        }

        QRectF painted = item->mapRectToScene(paintedRect(item));
        bool scrolled = false;
        for (QQuickItem* ancestor = item->parentItem(); ancestor;
             ancestor = ancestor->parentItem()) {
            if (isFlickableContent(ancestor)) {
                scrolled = true;
            }
            if (!ancestor->clip()) {
                continue;
            }
            const QRectF bounds =
                ancestor->mapRectToScene(QRectF(0, 0, ancestor->width(), ancestor->height()));
            const bool scrolls = ancestor->inherits("QQuickFlickable");
            const bool outside =
                painted.left() < bounds.left() - 0.5 || painted.right() > bounds.right() + 0.5 ||
                (!scrolls &&
                 (painted.top() < bounds.top() - 0.5 || painted.bottom() > bounds.bottom() + 0.5));
            if (outside) {
                problems.append(describe(text) + QStringLiteral(" runs out of the area that "
                                                                "shows it"));
            }
            painted &= bounds;
        }
        const bool outsideWindow =
            painted.isValid() &&
            (painted.left() < window.left() - 0.5 || painted.right() > window.right() + 0.5 ||
             (!scrolled &&
              (painted.top() < window.top() - 0.5 || painted.bottom() > window.bottom() + 0.5)));
        if (outsideWindow) {
            problems.append(describe(text) + QStringLiteral(" runs out of the window"));
        }
        if (painted.isValid() && !painted.isEmpty()) {
            placed.append({item, text, painted});
        }
    }
    for (QQuickItem* child : item->childItems()) {
        collect(child, opacity, window, placed, problems);
    }
}

}  // namespace

QStringList TextLayoutCheck::problems(QQuickItem* root, const QRectF& window) {
    QList<Placed> placed;
    QStringList problems;
    collect(root, 1.0, window, placed, problems);
    for (qsizetype i = 0; i < placed.size(); ++i) {
        for (qsizetype j = i + 1; j < placed.size(); ++j) {
            const QRectF shared = placed[i].visible & placed[j].visible;
            if (shared.width() > 1 && shared.height() > 1) {
                problems.append(describe(placed[i].text) + QStringLiteral(" overlaps ") +
                                describe(placed[j].text));
            }
        }
    }
    return problems;
}

}  // namespace korrelang::ui
