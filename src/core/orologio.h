#pragma once

#include <cstdint>

// Local date and time of day.
struct DataOra
{
    int anno = 1900;
    int mese = 1;
    int giorno = 1;
    int ore = 0;
    int minuti = 0;
};

// The clock, injected so that tests can fix "now".
class Orologio
{
public:
    virtual ~Orologio() = default;
    virtual DataOra adesso() const = 0;
    // A millisecond counter for time budgets, refresh intervals and seeding.
    virtual std::uint64_t millisecondi() const = 0;
};
