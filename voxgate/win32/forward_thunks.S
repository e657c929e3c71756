# The forwarded exports: one indirect jump each through the engine slot table, no frame, nothing
# before or after. The engine's entry point therefore sees the host's arguments and return
# address exactly as the host pushed them, removes its arguments under its own convention and
# returns straight to the host. Slot numbers follow EngineSlot in core/engine_binding.h; an
# empty slot holds the missing-entry routine, never 0.

        .macro  FORWARD name, slot
        .globl  _\name
        .def    _\name; .scl 2; .type 32; .endef
_\name:
        jmp     *_voxgate_engine_slots + 4 * \slot
        .endm

        .text
        .p2align 4
        FORWARD SynSpeak,        0
        FORWARD spcSynCntl,      1
        FORWARD spcSynFlush,     2
        FORWARD spcSynInit,      3
        FORWARD spcSynPause,     4
        FORWARD spcSynReadStat,  5
        FORWARD spcSynRepeat,    6
        FORWARD spcSynResume,    7
        FORWARD spcSynSelDev,    8
        FORWARD spcSynSpeakEx,   10
        FORWARD spcSynTerm,      11
