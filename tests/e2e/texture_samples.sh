#!/usr/bin/env bash
# Writes sample images with ImageMagick into DIR for the image readers' differential unit test:
# every TGA and BMP variant the readers accept, at several widths, each with ImageMagick's own
# decoding as raw RGBA (top row first), plus variants the readers refuse. The list of samples goes
# to DIR/manifest.txt, one "name expectation" per line, for the demo's texture readers; the
# library's image loader and gfx_image_decode, which take more kinds, get their own list in
# DIR/library_manifest.txt.
# Without ImageMagick no manifest is written and the tests fail.
set -u
DIR=$1
rm -rf "$DIR"
mkdir -p "$DIR"
command -v convert >/dev/null || { echo "texture_samples: ImageMagick's convert is missing" >&2; exit 0; }
LIST=$DIR/manifest.part
LIBRARY_LIST=$DIR/library_manifest.part
: >"$LIST"
: >"$LIBRARY_LIST"

# Makes DIR/$1 by running convert with the remaining arguments followed by the output "$2:DIR/$1",
# and records it as accepted ($3 = accept) or refused ($3 = refuse) by the demo's readers and
# ($4) by the library's loader; accepted samples also get ImageMagick's decoding, turned upright
# by the orientation the file declares. A demo expectation of "-" leaves the sample off its list.
sample_for() {
  local name=$1 format=$2 expect=$3 library_expect=$4
  shift 4
  convert "$@" "$format:$DIR/$name" || return
  if [[ $expect == accept || $library_expect == accept ]]; then
    convert "$DIR/$name" -auto-orient rgba:"$DIR/$name.rgba" || return
  fi
  [[ $expect == - ]] || echo "$name $expect" >>"$LIST"
  echo "$name $library_expect" >>"$LIBRARY_LIST"
}

# A sample both the demo's readers and the library's loader take or refuse alike.
sample() {
  local name=$1 format=$2 expect=$3
  shift 3
  sample_for "$name" "$format" "$expect" "$expect" "$@"
}

# A many-coloured picture of the given size, opaque or with an alpha ramp.
opaque() { echo "rose: -crop $1+0+0 +repage"; }
translucent() { echo "rose: -crop $1+0+0 +repage -alpha set -channel A -fx 0.2+0.8*i/w +channel"; }

for size in 37x19 1x1 5x3 64x8 69x2; do
  # shellcheck disable=SC2046
  {
    sample "t2_24_$size.tga" TGA accept $(opaque "$size") -type TrueColor -compress None
    sample "t2_32_$size.tga" TGA accept $(translucent "$size") -type TrueColorAlpha -compress None
    sample "t10_24_$size.tga" TGA accept $(opaque "$size") -type TrueColor -compress RLE
    sample "t10_32_$size.tga" TGA accept $(translucent "$size") -type TrueColorAlpha -compress RLE
    sample "b24_$size.bmp" BMP3 accept $(opaque "$size") -type TrueColor
    sample "b24_v5_$size.bmp" BMP accept $(opaque "$size") -type TrueColor
  }
done
# Eight-bit bitmaps need more than 16 colours; newer headers move the palette and the pixels.
for size in 37x19 69x3 5x9 70x46; do
  # shellcheck disable=SC2046
  {
    sample "b8_$size.bmp" BMP3 accept $(opaque "$size") -colors 200 -type palette -compress None
    sample "b8_v5_$size.bmp" BMP accept $(opaque "$size") -colors 200 -type palette -compress None
  }
done
# Flat areas give long runs in the RLE files.
sample t10_24_flat.tga TGA accept -size 300x7 xc:orange -fill navy -draw "rectangle 10,1 200,5" -type TrueColor -compress RLE
sample t10_32_flat.tga TGA accept -size 300x7 xc:none -fill "rgba(0,128,0,0.5)" -draw "rectangle 10,1 200,5" -type TrueColorAlpha -compress RLE

# shellcheck disable=SC2046
{
  sample t1_palette.tga TGA refuse $(opaque 37x19) -colors 16 -type palette
  sample t3_grey.tga TGA refuse $(opaque 37x19) -type Grayscale
  sample b4.bmp BMP3 refuse $(opaque 37x19) -colors 8 -type palette
  sample b1.bmp BMP3 refuse $(opaque 37x19) -monochrome
  sample_for b32.bmp BMP refuse accept $(translucent 37x19) -type TrueColorAlpha
}

# What only the library's loader takes: RLE8 and 32-bit bitmaps, and TGAs stored from another
# corner than the bottom left.
for size in 37x19 5x3 70x46; do
  # shellcheck disable=SC2046
  {
    sample_for "b8_rle_$size.bmp" BMP3 - accept $(opaque "$size") -colors 200 -type palette -compress RLE
    sample_for "b32_$size.bmp" BMP - accept $(translucent "$size") -type TrueColorAlpha
    sample_for "t2_24_top_left_$size.tga" TGA - accept $(opaque "$size") -orient TopLeft -type TrueColor -compress None
    sample_for "t10_32_top_right_$size.tga" TGA - accept $(translucent "$size") -orient TopRight -type TrueColorAlpha -compress RLE
    sample_for "t2_32_bottom_right_$size.tga" TGA - accept $(translucent "$size") -orient BottomRight -type TrueColorAlpha -compress None
  }
done
sample_for b8_rle_flat.bmp BMP3 - accept -size 300x7 xc:orange -fill navy -draw "rectangle 10,1 200,5" -colors 4 -type palette -compress RLE
mv "$LIBRARY_LIST" "$DIR/library_manifest.txt"
mv "$LIST" "$DIR/manifest.txt"
