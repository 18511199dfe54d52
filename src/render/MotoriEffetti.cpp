#include "render/MotoriEffetti.h"

MotoriEffetti::MotoriEffetti() = default;
MotoriEffetti::~MotoriEffetti() = default;

void MotoriEffetti::PreparaParticelle(ContestoEffetti&) {}
void MotoriEffetti::DisegnaParticelleDietro(ContestoEffetti&) {}
void MotoriEffetti::DisegnaParticelleDavanti(ContestoEffetti&) {}
void MotoriEffetti::DisegnaLensFlare(ContestoEffetti&) {}
void MotoriEffetti::DisegnaNeve(ContestoEffetti&) {}
void MotoriEffetti::AzzeraParticelle() {}
