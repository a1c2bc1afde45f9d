#pragma once

class QWidget;

// F1: the README as installed beside the program, or a short help page of
// our own where none is installed, in a modal dialog over `parent`.
void ShowHelpDialog(QWidget *parent);
