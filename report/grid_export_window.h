#pragma once

class BandedGrid;
class QWidget;

// The grid export window: every "Esporta griglia" button goes through these three operations.
bool OpenGridExport(QWidget* parent = nullptr);
void ExportGrid(BandedGrid* grid, bool allowExpanding);
void CloseGridExport();
