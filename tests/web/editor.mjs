// The editor's page (app.mjs compares its frames): a board painted with each
// brush, drags and the right button, saved and so downloaded byte for byte,
// its play link; the Esc guard; the checker's findings on a hand-written file.
// Usage: node editor.mjs ENGINE ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES NATIVE_EDITOR PAINTED
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir, abrir_rodando, conferir_saida, esperar, esperar_titulo, falhar, pintar, resto, teclar, terminou, testar }
  from './comum.mjs';

const [editor_nativo, pintado] = resto;

// Before the page: each download link it clicks, by the name it downloads as.
function espiar_baixados() {
  window.baixados = [];
  document.addEventListener('click', (e) => e.target.download && window.baixados.push(e.target.download), true);
}

// A new board painted, saved (and so downloaded) and played from its
// link; then Esc with unsaved changes, twice.
// WebKit's WebDriver tells the right button's release as the left's, and
// the right held after it: there, what the right button erases the empty
// brush clears.
async function testar_pintura(ambiente) {
  const direito = ambiente.navegador.botao_direito;
  const pagina = await abrir(ambiente, '/editor.html', { antes: espiar_baixados });
  await esperar_titulo(pagina, '^tabuleiro\\.map - pincel: parede - ');
  const passos = [
    [teclar, '2', 'pincel: monstro'], [pintar, 'left', [[2, 2]]],
    [teclar, '3', 'pincel: avatar'], [pintar, 'left', [[5, 5]]],
    [teclar, '1', '^tabuleiro\\.map\\* - pincel: parede - '], [pintar, 'left', [[1, 8], [14, 8]]],
    // Out past the right edge and down below the board: on along the edge.
    [pintar, 'left', [[14, 1], [17, 1], [17, 13]], [15, 11]], ...(direito ? [[pintar, 'right', [[2, 2]]]] : []),
    [teclar, '0', 'pincel: vazio'], [pintar, 'left', [[7, 8]]], ...(direito ? [] : [[pintar, 'left', [[2, 2]]]]),
    [teclar, 's', '^tabuleiro\\.map - pincel: vazio - '],
  ];
  for (const [passo, ...argumentos] of passos) await passo(pagina, ...argumentos);
  await esperar(pagina, () => !document.getElementById('gravado').hidden && window.baixados.join() === 'tabuleiro.map',
    'no download of tabuleiro.map');
  const baixado = Buffer.from(await pagina.avaliar(async () =>
    [...new Uint8Array(await (await fetch(document.getElementById('baixar').href)).arrayBuffer())]));
  if (!baixado.equals(readFileSync(pintado))) falhar('downloaded board: ' + baixado.toString('latin1'));

  const link = await pagina.avaliar(() => document.getElementById('jogar').href);
  if (link !== ambiente.endereco + '/index.html?celulas=' + readFileSync(pintado, 'latin1').replace(/\n/g, ''))
    falhar('play link: ' + link);

  await pintar(pagina, direito ? 'right' : 'left', [[1, 8]]);
  await teclar(pagina, 'Escape', '^tabuleiro\\.map\\* - pincel: vazio - Esc de novo sai sem gravar');
  if (await pagina.avaliar(terminou)) falhar('one Esc ended the editor');
  await pagina.tecla_abaixo('Escape');
  await pagina.tecla_acima('Escape');
  await conferir_saida(pagina, 0, 'the second Esc');
  await pagina.fechar();
}

// A hand-written board picked in the page: beside the canvas, what the
// native editor's --verificar says of it, and S offers it under its name.
async function testar_verificacao(ambiente) {
  const pasta = mkdtempSync(join(tmpdir(), 'tabuleiro2-verificar-'));
  const nome = 'à mão.map';
  writeFileSync(join(pasta, nome), '1111\t1111x11111111\r\n0000\n' + '1'.repeat(20) + '\n');
  const nativo = spawnSync(editor_nativo, ['--verificar', nome], { cwd: pasta, encoding: 'utf8' });
  const pagina = await abrir_rodando(ambiente, '/editor.html');
  try {
    await pagina.escolher_arquivo('#arquivo', join(pasta, nome));
    await esperar(pagina, () => document.getElementById('achados').textContent !== '', 'no findings shown');
    const achados = await pagina.avaliar(() => document.getElementById('achados').textContent);
    if (nativo.status !== 1 || achados !== nativo.stderr)
      falhar('findings on the page:\n' + achados + 'natively (status ' + nativo.status + '):\n' + nativo.stderr);
    await esperar_titulo(pagina, '^à mão\\.map - pincel: parede - ');
    await pagina.tecla_abaixo('s');
    await pagina.tecla_acima('s');
    await esperar(pagina, () => document.getElementById('baixar').download === 'à mão.map', 'download not named as the file');
  } finally {
    rmSync(pasta, { recursive: true, force: true });
  }
  await pagina.fechar();
}

await testar([testar_pintura, testar_verificacao]);
