# Sourced by the scripts: what this machine does with 32-bit x86 programs.

# True when a 32-bit program starts here, by the kernel itself or through a registered emulator.
runs_32bit() {
  local dir status
  dir=$(mktemp -d)
  printf '.globl _start\n_start:\n movl $1, %%eax\n movl $0, %%ebx\n int $0x80\n' >"$dir/probe.s"
  as --32 "$dir/probe.s" -o "$dir/probe.o" && ld -m elf_i386 "$dir/probe.o" -o "$dir/probe" \
    && "$dir/probe" 2>/dev/null
  status=$?
  rm -rf "$dir"
  return $status
}

# True when 32-bit programs run through the qemu user-mode emulator: setup.sh registers it with
# the kernel's binfmt_misc where the kernel cannot run them itself.
runs_32bit_emulated() {
  local entry=/proc/sys/fs/binfmt_misc/qemu-i386
  [ -r "$entry" ] && [ "$(head -n 1 "$entry")" = enabled ]
}
