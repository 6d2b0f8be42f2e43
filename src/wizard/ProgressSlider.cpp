#include "wizard/ProgressSlider.h"

#include "ui/Controls.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFrame>

#include <algorithm>

namespace {
constexpr int kBorder = 2;
}

ProgressSlider::ProgressSlider(QWidget* parent) : QWidget(parent)
{
    setObjectName("ProgressSlider");
    setAccessibleName(QStringLiteral("Avanzamento"));
    barOuter = Controls::Named(new QFrame(this), "barOuter");
    barOuter->setFrameShape(QFrame::Panel);
    barOuter->setFrameShadow(QFrame::Sunken);
    barOuter->setLineWidth(1);
    barOuter->setAutoFillBackground(true);
    QPalette outer = barOuter->palette();
    outer.setColor(QPalette::Window, Qt::white);
    barOuter->setPalette(outer);

    barInner = Controls::Named(new QFrame(barOuter), "barInner");
    barInner->setAutoFillBackground(true);
    QPalette inner = barInner->palette();
    inner.setColor(QPalette::Window, QColor(40, 90, 170));
    barInner->setPalette(inner);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Place();
}

QSize ProgressSlider::sizeHint() const { return {300, 22}; }

int ProgressSlider::FullWidth() const { return std::max(0, barOuter->width() - 2 * kBorder); }

// 15 twips: the stub shown before anything is done.
int ProgressSlider::MinimumWidth() const { return std::max(1, Twips::ToPixels(15)); }

int ProgressSlider::InnerWidth() const { return barInner->width(); }

void ProgressSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The outer bar always fills the control; the inner bar keeps its share.
    Place();
}

void ProgressSlider::Place()
{
    barOuter->setGeometry(rect());
    const int full = FullWidth();
    const int stub = std::min(MinimumWidth(), full);
    const int width = stub + static_cast<int>(static_cast<float>(full - stub) * m_fraction);
    barInner->setGeometry(kBorder, kBorder, width, std::max(0, barOuter->height() - 2 * kBorder));
}

void ProgressSlider::SetBarUpper(int32_t nUpper) { m_upper = nUpper; }

void ProgressSlider::SetBarValue(int32_t nValue)
{
    // No bound, no share: the bar stays as it is.
    if (m_upper <= 0) return;
    m_fraction = std::clamp(static_cast<float>(nValue) / static_cast<float>(m_upper), 0.0f, 1.0f);
    Place();
    barInner->repaint();
    QCoreApplication::processEvents();
}
