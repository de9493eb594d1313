#pragma once

#include <QSplashScreen>

// The borderless window shown while the program loads its archives.
class SchermataAvvio final : public QSplashScreen
{
public:
    SchermataAvvio();
};
