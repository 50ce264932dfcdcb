#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

// A symbol standing beside text, as a symbol set in a line of text would: `pointSize`
// pixels square, its lines as heavy as the weight, in one colour for the light scheme and
// one for the dark. Decoration only: it takes no clicks and says nothing to a screen reader
// that the text beside it does not.
class SymbolView : public QWidget {
    Q_OBJECT

public:
    SymbolView(const QString &symbolName, qreal pointSize, QFont::Weight weight,
               const QColor &light, const QColor &dark, QWidget *parent = nullptr);

    QString symbolName() const { return m_symbolName; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_symbolName;
    qreal m_pointSize;
    QFont::Weight m_weight;
    QColor m_light;
    QColor m_dark;
};
