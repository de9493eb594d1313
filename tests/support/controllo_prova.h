#pragma once

#include "core/esecuzione.h"

namespace test {

// A run control that refuses to go on at its n-th poll (1: the first), keeping the count of the polls
// and the progress of the last one.
class StopAl final : public ControlloEsecuzione
{
public:
    explicit StopAl(int poll) : m_poll(poll) {}
    bool verifica(const Avanzamento& avanzamento) override
    {
        ultimo = avanzamento;
        return ++polls != m_poll;
    }
    int polls = 0;
    Avanzamento ultimo;

private:
    int m_poll;
};

// A run control that always goes on, counting its polls.
class ContaVerifiche final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento&) override
    {
        ++polls;
        return true;
    }
    int polls = 0;
};

} // namespace test
