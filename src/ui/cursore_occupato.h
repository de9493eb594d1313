#pragma once

#include <QApplication>

// Shows the busy cursor for the life of the object.
class CursoreOccupato
{
public:
    CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreOccupato() { QApplication::restoreOverrideCursor(); }
    CursoreOccupato(const CursoreOccupato&) = delete;
    CursoreOccupato& operator=(const CursoreOccupato&) = delete;
};
