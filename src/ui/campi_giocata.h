#pragma once

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// The box where the numbers of one play are typed ("numeriLineEdit"): up to 30 characters, digits,
// separators and backspace only, with the usual hint.
[[nodiscard]] QLineEdit* CreaCasellaNumeri(QWidget* genitore);

// "Applica" (the default button) and "Chiudi" (which rejects the dialog), in a row at the right.
struct PulsantiApplicaChiudi
{
    QPushButton* applica;
    QHBoxLayout* riga;
};
[[nodiscard]] PulsantiApplicaChiudi CreaPulsantiApplicaChiudi(QDialog* dialogo);
