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
;// ORIGINALLY 6 BLOCKS WE USED - SAVED 2 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES
NumberOfAnimations:		db		1
NumberOfPalettes:		db		2

;// PALETTE DATA
PaletteData:
						dw		$7801, $7402, $7003, $6c04
						dw		$6c04, $6805, $0000, $0000

;// BLOCK PALETTE DATA
BlockPaletteData:
						db		0, 0, 1, 0

;// ANIMATION LIST
AnimationData:			dw		Anima

;// DATA FOR ANIMATION 0 (a)
Anima:
						db		1, 0
						dw		AnimaFrame0

;// ANIMATION DATA FOR ANIMATION 0 (a) FRAMES 0 -> 0 
AnimaFrame0:
						db		6, 1					;// Width and Height
						db		0, 0					;// Offsets
						dw		$0000, $0010, $0020, $0030, $0021, $0001

;// GRAPHICS DATA
GraphicData:
						db		$00, $00, $00, $00, $00, $00, $00, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00
						db		$00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $00, $00, $00, $00, $00, $00, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00
						db		$ff, $ff, $ff, $ff, $ff, $ff, $ff, $ff, $00, $00, $00, $00, $00, $00, $00, $00
