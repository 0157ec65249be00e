#include "app/attention.h"

#include <QApplication>
#include <QWidget>

namespace vantor {

namespace {

std::function<void(QWidget *)> &attentionSink()
{
    static std::function<void(QWidget *)> sink;
    return sink;
}

} // namespace

void callForAttention(QWidget *window)
{
    if (window->isActiveWindow())
        return;
    if (attentionSink())
        attentionSink()(window);
    else
        QApplication::alert(window);
}

void setAttentionSink(std::function<void(QWidget *)> sink)
{
    attentionSink() = std::move(sink);
}

} // namespace vantor
