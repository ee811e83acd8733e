// The registry built-ins: REGREAD, REGWRITE, REGDELETE, REGENUMKEY and
// REGENUMVAL, on this computer's registry or a remote one.
#pragma once

// Binds the five registry built-ins.
void BindRegistryBuiltins();
