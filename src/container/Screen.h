// The runtime's Screen object: conversion factors between twips and screen pixels.
#pragma once

inline constexpr float kTwipsPerInch = 1440.0F;

// Twips per screen pixel, read from the display's resolution (15 at 96 dpi, 12 at 120 dpi).
float TwipsPerPixelX();
float TwipsPerPixelY();
