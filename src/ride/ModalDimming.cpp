#include "ride/ModalDimming.h"

#include "ui/WindowFade.h"

namespace {
constexpr int Opaque = 255;
constexpr int Dimmed = 204;
constexpr int DimStep = 2;
constexpr int UndimStep = 3;
} // namespace

void DimAround(QWidget *mainWindow, const std::function<void()> &modalStep)
{
    if (FadesOn())
        StartFade(mainWindow, Opaque, Dimmed, DimStep, false);
    modalStep();
    if (FadesOn())
        StartFade(mainWindow, Dimmed, Opaque, UndimStep, false);
}
