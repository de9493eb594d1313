#pragma once

#include "reducers/elenco_riduttori.h"

#include <QWidget>

#include <vector>

class QPlainTextEdit;
class QTableWidget;

// The reducer list of "Gestione riduttori" and "Applica riduttore": the rows "Dim. pronostico",
// "Nº giocate", "Nome file", sorted by a column read as a number at each header click (the direction
// changing at every click), and the read-only "Commenti" of the selected reducer. After every rebuild the
// first row is selected when there is one.
class ElencoRiduttoriWidget final : public QWidget
{
    Q_OBJECT

public:
    explicit ElencoRiduttoriWidget(QWidget* parent = nullptr);

    // Replaces the rows.
    void imposta(std::vector<VoceRiduttore> voci);
    // The selected row, nullptr without selection.
    const VoceRiduttore* selezionato() const;
    const std::vector<VoceRiduttore>& voci() const { return m_voci; }
    void seleziona(int riga);
    // Clears the selection and the comments.
    void deseleziona();

signals:
    void selezioneCambiata();

private:
    void mostraRighe();
    void ordina(int colonna);
    void aggiornaCommenti();

    std::vector<VoceRiduttore> m_voci;
    QTableWidget* m_tabella = nullptr;
    QPlainTextEdit* m_commenti = nullptr;
    int m_colonnaOrdinata = -1;
    bool m_crescente = false;
};
