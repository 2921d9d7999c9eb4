;//****************************************************************
;//		ANIMATION DATA EXPORTED FROM THE PIXOLAN
;//****************************************************************

;// FRAME DATA STRUCTURE
;// BYTE			DESCRIPTION
;//  0				Width of the frame in blocks
;//  1				Height of the frame in blocks
;//  2				XOffset for start of data
;//  3				YOffset for start of data
;//  4->			Character Block Word.
;//
;// CHARACTER BLOCK WORD
;// BITS			DESCRIPTION
;//  15 - 4			Block number (mask with FFF0h and add to the block table)
;//  3				spare
;//  2				spare
;//  1				X-FLIP BLOCK
;//  0				Y-FLIP BLOCK

;// ANIMATION HEADER
;// ORIGINALLY 3 BLOCKS WE USED - SAVED 0 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES
NumberOfAnimations:		db		1
NumberOfPalettes:		db		3

;// PALETTE DATA
PaletteData:
						dw		$7c00, $7801, $7402, $7003
						dw		$6c04, $0000, $0000, $0000
						dw		$6c04, $5809, $0000, $0000

;// BLOCK PALETTE DATA
BlockPaletteData:
						db		0, 2, 1
						db		0			;// Pad byte to word align data

;// ANIMATION LIST
AnimationData:			dw		Anima

;// DATA FOR ANIMATION 0 (a)
Anima:
						db		1, 0
						dw		AnimaFrame0

;// ANIMATION DATA FOR ANIMATION 0 (a) FRAMES 0 -> 0 
AnimaFrame0:
						db		3, 1					;// Width and Height
						db		0, 0					;// Offsets
						dw		$0000, $0010, $0020

;// GRAPHICS DATA
GraphicData:
						db		$00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $00, $00, $00, $00, $00, $00, $00
						db		$00, $00, $00, $00, $00, $00, $00, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00
						db		$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00
