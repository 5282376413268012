// The plain records kept in the profiles, their tables and the rules applied when they are
// read. Text is GBK.
#pragma once

#include "fx/core/String.h"

#include <cstddef>

// com.ini, section "comm".
struct CommSettings {
    int commPort = 999;  // n of "COM%d"; 999: no port chosen
    int timeout = 10;    // reply time-out in seconds, 10..60
    int baudRate = 0;
};

// TzView.ini; the order of the fields is the order of the profile's keys.
struct SystemConfig {
    int mpdCount = 0;
    int cvbsInputs = 0;
    int vgaInputs = 0;
    int dviInputs = 0;
    int commonInputs = 0;
    int wallRows = 1;
    int wallColumns = 1;
    int resolution = -1;
    int mpdResolution = -1;
    int subColorR = -1;
    int subColorG = -1;
    int subColorB = -1;
    int subSource = -1;
};

// The configured copy goes into the working copy before every blank or new scene and each time
// a cell is drawn; commonInputs and subSource stay as the working copy has them.
void copyConfiguredToWorking(const SystemConfig& configured, SystemConfig& working);

enum MatrixKind { MATRIX_CVBS = 0, MATRIX_VGA = 1, MATRIX_DVI = 2, MATRIX_COMMON = 3, MATRIX_KINDS = 4 };

const int kMatrixInputs = 255;    // names per matrix
const int kMatrixNameSlot = 20;   // bytes per name, terminator included
const int kMatrixPortEntries = 510;  // 255 driver boards, then 255 MPD channels

// One external matrix: maker code, address, port map (not for the common matrix) and names.
struct MatrixBlock {
    int devFactory = 0;
    int devNo = 0;
    int portMap[kMatrixPortEntries] = {};
    char inputNames[kMatrixInputs][kMatrixNameSlot] = {};

    // Name of input i (0-based); empty text outside 0..254.
    const char* inputName(int i) const { return i >= 0 && i < kMatrixInputs ? inputNames[i] : ""; }
};

// TzView.ini, sections "CVBS_Matrix", "VGA_Matrix", "DVI_Matrix", "COMMON_Matrix".
struct MatrixConfig {
    MatrixBlock blocks[MATRIX_KINDS];  // indexed by MatrixKind; the common one has no port map

    MatrixBlock& operator[](MatrixKind kind) { return blocks[kind]; }
    const MatrixBlock& operator[](MatrixKind kind) const { return blocks[kind]; }
};

// The common matrix's input count is taken from the profile as it is; wherever inputs are
// listed by name the count is bounded to the 255 names there are (a negative count lists none).
int listedMatrixInputs(int count);

// TzView.ini, section "manuset": the panel's physical size and border widths in millimetres.
struct PanelGeometry {
    int manualMode = 0;
    int width = 0;
    int height = 0;
    int leftEdge = 0;
    int rightEdge = 0;
    int topEdge = 0;
    int bottomEdge = 0;
};

// The MPD sub-grid that lays out the PIP windows of an MPD region; 0 and 0 when there is none.
struct MpdSubGrid {
    int rows = 0;
    int columns = 0;
};

// "cells": rows 'x' columns, each 1..128 (1 without an 'x').
void parseCells(LPCSTR text, int* rows, int* columns);
// "mpdsubcells": rows 'x' columns; 0 and 0 without an 'x' or when either is <= 0, 128 and 128
// when either is > 128.
MpdSubGrid parseSubGrid(LPCSTR text);

// The resolution list: "1024x768" ... "1080p", "配置错误" for any other index.
CString resolutionText(int index);
// The MPD pixel-size table: the device coordinate space of PIP windows; 48 x 48 for any other index.
void mpdPixelSizeFor(int index, int* width, int* height);

// Length of the longest start of text that fits in maxBytes without splitting a two-byte GBK
// character.
std::size_t gbkFitLength(const char* text, std::size_t maxBytes);
// Copies text into a slot of slotSize bytes (terminator included), cut at a character boundary.
void copyGbkCut(char* slot, std::size_t slotSize, const char* text);
