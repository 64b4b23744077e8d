#pragma once

#include <Maths/Matrix>

// The CIE 1931 2° standard colorimetric observer, 360 nm to 830 nm in 1 nm
// steps. Each row: wavelength in nm, x̄, ȳ, z̄.
constexpr int g_nCIE1931ObserverRows = 471;
constexpr int g_nCIE1931ObserverCols = 4;

// Fills a matrix of g_nCIE1931ObserverRows × g_nCIE1931ObserverCols, 360 nm first.
void FillCIE1931Observer(CMatrix<double>& matrix);
