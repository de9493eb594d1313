#include "ui/dlg_dai_stringa.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TDlgDaiStringa::TDlgDaiStringa(const QString& iniziale, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Nome file"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* etichetta = new QLabel(QStringLiteral("Nome del file in cui salvare il riduttore"), this);
    layout->addWidget(etichetta);
    m_nome = new QLineEdit(this);
    m_nome->setObjectName(QStringLiteral("nomeLineEdit"));
    m_nome->setPlaceholderText(QStringLiteral("Indicare il nome del file senza estensione es: Prova"));
    m_nome->setToolTip(m_nome->placeholderText());
    // The extension is the program's: a point would make "Prova.txt.rid".
    m_nome->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^.]*")), m_nome));
    m_nome->setMaxLength(200);
    m_nome->setText(iniziale);
    m_nome->setMinimumWidth(320);
    etichetta->setBuddy(m_nome);
    layout->addWidget(m_nome);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("okPushButton"));
    m_ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);
    pulsanti->addWidget(m_ok);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);

    const auto aggiorna = [this] { m_ok->setEnabled(!testo().isEmpty()); };
    aggiorna();
    connect(m_nome, &QLineEdit::textChanged, this, aggiorna);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (!testo().isEmpty()) {
            accept();
        }
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

QString TDlgDaiStringa::testo() const
{
    return m_nome->text().trimmed();
}
