#pragma once

#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>

// A paint device that keeps every piece of text painted on it with its
// baseline position, so a test can read back what a painter drew.
class RecordingDevice : public QPaintDevice
{
public:
    struct Text {
        QPointF at;
        QString text;
    };

    RecordingDevice(int width, int height, int dpi = 96)
        : m_width(width), m_height(height), m_dpi(dpi)
    {
    }
    ~RecordingDevice() override = default;

    const QList<Text> &texts() const { return m_engine.texts; }
    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_width;
        case PdmHeight:
            return m_height;
        case PdmWidthMM:
            return m_width * 254 / (10 * m_dpi);
        case PdmHeightMM:
            return m_height * 254 / (10 * m_dpi);
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            texts.append({p, item.text()});
        }
        Type type() const override { return QPaintEngine::User; }
        QList<Text> texts;
    };

    int m_width;
    int m_height;
    int m_dpi;
    mutable Engine m_engine;
};
