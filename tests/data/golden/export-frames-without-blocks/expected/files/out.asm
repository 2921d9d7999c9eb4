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
;// ORIGINALLY 0 BLOCKS WE USED - SAVED 0 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES
NumberOfAnimations:		db		2
NumberOfPalettes:		db		0

;// PALETTE DATA
PaletteData:

;// BLOCK PALETTE DATA
BlockPaletteData:

;// ANIMATION LIST
AnimationData:			dw		AnimThin
						dw		Anim

;// DATA FOR ANIMATION 0 (Thin)
AnimThin:
						db		3, 0
						dw		AnimThinFrame0
						dw		AnimThinFrame1
						dw		AnimThinFrame2

;// DATA FOR ANIMATION 1 ()
Anim:
						db		1, 0
						dw		AnimFrame0

;// ANIMATION DATA FOR ANIMATION 0 (Thin) FRAMES 0 -> 2 
AnimThinFrame0:
						db		0, 2					;// Width and Height
						db		1, 2					;// Offsets
AnimThinFrame1:
						db		-1, 2					;// Width and Height
						db		0, 0					;// Offsets
AnimThinFrame2:
						db		0, 0					;// Width and Height
						db		0, 0					;// Offsets

;// ANIMATION DATA FOR ANIMATION 1 () FRAMES 0 -> 0 
AnimFrame0:
						db		0, 0					;// Width and Height
						db		0, 0					;// Offsets

;// GRAPHICS DATA
GraphicData:
