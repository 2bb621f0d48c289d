#pragma once
// Start and release of each toolkit facility, called by startToolkit and
// releaseToolkit in their fixed order. Not for the player logic.

void startCom();        // the thread's COM apartment
void startDrawing();    // black pen and brush defaults
void startWindows();    // window class: program icon, arrow cursor
void startGadgets();    // common controls, default GUI font
void startRequester();  // common controls for the open-file dialog
void startPrefFile();

void releaseBackdrops();
void releasePrefFile();  // an open file is written first
void releaseLibraries();
void releaseListings();
void releaseDrawing();
void releaseImages();
void releaseGadgets();
void releaseWindows();
void releaseGdiTable();
void releaseCom();
