SECTION "walker", ROMX
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
;// ORIGINALLY 6 BLOCKS WE USED - SAVED 3 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES
WalkerNumberOfAnimations::		db		2
WalkerNumberOfPalettes::		db		1

;// PALETTE DATA
WalkerPaletteData::
						dw		$7c1f, $0000, $7fff, $001f

;// BLOCK PALETTE DATA
WalkerBlockPaletteData::
						db		0, 0, 0
						db		0			;// Pad byte to word align data

;// ANIMATION LIST
WalkerAnimationData::			dw		WalkerAnimWalk_Left
						dw		WalkerAnimIdle

;// DATA FOR ANIMATION 0 (Walk Left)
WalkerAnimWalk_Left::
						db		2, 0
						dw		WalkerAnimWalk_LeftFrame0
						dw		WalkerAnimWalk_LeftFrame1

;// DATA FOR ANIMATION 1 (Idle)
WalkerAnimIdle::
						db		0, 0

;// ANIMATION DATA FOR ANIMATION 0 (Walk Left) FRAMES 0 -> 1 
WalkerAnimWalk_LeftFrame0::
						db		3, 1					;// Width and Height
						db		-12, -8					;// Offsets
						dw		$0000, $0010, $0012
WalkerAnimWalk_LeftFrame1::
						db		3, 1					;// Width and Height
						db		4, -3					;// Offsets
						dw		$0011, $0010, $0020

;// ANIMATION DATA FOR ANIMATION 1 (Idle) FRAMES 0 -> -1 

;// GRAPHICS DATA
WalkerGraphicData::
						db		$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00
						db		$80, $7f, $c0, $3f, $e0, $1f, $f0, $0f, $f8, $07, $fc, $03, $fe, $01, $ff, $00
						db		$ff, $ff, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00
