#pragma once

// The texts a widget paints, as its paint path hands them to the paint engine: each run of
// text with its font, colour and the box it covers in the widget.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <QWidget>

#include <climits>
#include <vector>

struct PaintedText {
    QString text;
    QFont font;
    QColor color;
    QRectF box;
};

class TextRecordingDevice : public QPaintDevice {
  public:
    explicit TextRecordingDevice(const QWidget& like) : like_(like) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<PaintedText>& Texts() const { return engine_.texts; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return like_.width();
        case PdmHeight:
            return like_.height();
        case PdmWidthMM:
            return like_.widthMM();
        case PdmHeightMM:
            return like_.heightMM();
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return like_.logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return like_.logicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default: // one that a later Qt adds
            return QPaintDevice::metric(metric);
        }
    }

  private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            const QPointF at = painter()->combinedTransform().map(p);
            texts.push_back({item.text(), item.font(), painter()->pen().color(),
                             QRectF(at.x(), at.y() - item.ascent(), item.width(),
                                    item.ascent() + item.descent())});
        }
        Type type() const override { return User; }
        std::vector<PaintedText> texts;
    };

    const QWidget& like_;
    mutable Engine engine_;
};

// What the widget paints of text when it is painted now.
inline std::vector<PaintedText> PaintedTextsOf(QWidget& widget) {
    TextRecordingDevice device(widget);
    widget.render(&device, {}, {}, QWidget::DrawChildren);
    return device.Texts();
}
