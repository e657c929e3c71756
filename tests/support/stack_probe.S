# probe_call(fn, args, count, result): see stack_probe.h.
        .text
        .globl  _probe_call
        .globl  _probe_return_site
_probe_call:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        movl    8(%ebp), %eax           # fn
        movl    12(%ebp), %esi          # args
        movl    16(%ebp), %edx          # count
1:      testl   %edx, %edx
        jz      2f
        decl    %edx
        pushl   (%esi,%edx,4)
        jmp     1b
2:      movl    %esp, %edi              # stack pointer with the arguments in place
        call    *%eax
_probe_return_site:
        movl    %esp, %ecx
        subl    %edi, %ecx              # bytes the callee removed
        movl    20(%ebp), %edx
        testl   %edx, %edx
        jz      3f
        movl    %eax, (%edx)
3:      movl    %ecx, %eax
        leal    -12(%ebp), %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret
