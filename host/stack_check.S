/* int CallWithStackCheck(void* function, const unsigned* arguments, int count,
                          int returnsFloat, int* stackDelta)
   Pushes the arguments right to left, calls a __stdcall function and measures how far the stack
   pointer is from where it was before the pushes. The caller's stack is restored either way. */
        .intel_syntax noprefix
        .text
        .globl _CallWithStackCheck
        .def _CallWithStackCheck; .scl 2; .type 32; .endef
_CallWithStackCheck:
        push ebp
        mov ebp, esp
        push ebx
        push esi
        push edi
        mov esi, esp
        mov ecx, [ebp + 16]
        mov edx, [ebp + 12]
1:      test ecx, ecx
        jz 2f
        dec ecx
        push dword ptr [edx + ecx * 4]
        jmp 1b
2:      call dword ptr [ebp + 8]
        cmp dword ptr [ebp + 20], 0
        je 3f
        fstp st(0)
3:      mov ecx, esp
        sub ecx, esi
        mov edx, [ebp + 24]
        mov [edx], ecx
        mov esp, esi
        pop edi
        pop esi
        pop ebx
        pop ebp
        ret
