#pragma once

#include <QWidget>

#include <cstdint>

class QFrame;

// A progress bar: an outer frame and a filled inner bar that grows from a
// small stub to the full width as the value goes from 0 to the upper bound.
// Setting a value repaints at once, so the bar moves during a long operation.
class ProgressSlider : public QWidget {
    Q_OBJECT

public:
    explicit ProgressSlider(QWidget* parent = nullptr);

    // Takes effect with the next value.
    void SetBarUpper(int32_t nUpper);
    void SetBarValue(int32_t nValue);

    int32_t BarUpper() const { return m_upper; }
    // The inner bar's width, from MinimumWidth() to FullWidth().
    int InnerWidth() const;
    int FullWidth() const;
    int MinimumWidth() const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();

    QFrame* barOuter = nullptr;
    QFrame* barInner = nullptr;
    int32_t m_upper = 100;
    // Fraction of the run between the stub and the full width.
    float m_fraction = 0;
};
