#pragma once

#include <cstdint>

// Where a long run stands, handed to the caller at every poll.
struct Avanzamento
{
    double elaborati = 0; // candidates examined so far
    double totale = 0;    // candidates expected (0 when unknown)
    std::int64_t prodotti = 0;

    // 0..100, rounded to the nearest integer; 0 when the total is unknown.
    int percentuale() const;
};

// The caller's side of a run: lets events run, shows progress and confirms a stop request.
class ControlloEsecuzione
{
public:
    virtual ~ControlloEsecuzione() = default;
    // Called at the poll points of the run; returns false when a stop was confirmed.
    virtual bool verifica(const Avanzamento& stato) = 0;
};

// Never stops; used by the command-line tool and by tests that need no interruption.
class EsecuzioneContinua final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento&) override { return true; }
};
