/* Files carried inside the program: the compiler it runs for every compile, and its icon.
   The paths come from the build (TRELVAN_COMPILER_FILE, TRELVAN_ICON_FILE); .incbin copies the
   bytes unchanged into read-only data. */

#define CARRY(name, file)              \
  .global name##_begin;                \
  .type name##_begin, %object;         \
  .balign 16;                          \
name##_begin:                          \
  .incbin file;                        \
  .global name##_end;                  \
  .type name##_end, %object;           \
name##_end:                            \
  .byte 0

  .section .rodata
CARRY(trelvan_compiler, TRELVAN_COMPILER_FILE)
CARRY(trelvan_icon, TRELVAN_ICON_FILE)

/* No executable stack. */
  .section .note.GNU-stack, "", %progbits
